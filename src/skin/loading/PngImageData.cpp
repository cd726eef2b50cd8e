#include "skin/loading/PngImageData.h"

#include "skin/loading/GraphicErrors.h"
#include "skin/loading/PngFilters.h"
#include "skin/loading/PngMessages.h"
#include "skin/loading/ZDecompressionStream.h"

#include <zlib.h>

#include <algorithm>
#include <limits>
#include <span>

namespace pp {
namespace {

struct TPass {
    int x0, y0, dx, dy;
};
constexpr TPass Adam7[7] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                            {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
constexpr TPass WholeImage = {0, 0, 1, 1};

int PassExtent(int size, int start, int step) { return size > start ? (size - start + step - 1) / step : 0; }

// Inflates the image data on demand, a row at a time.
class TRowInflater {
public:
    explicit TRowInflater(const std::vector<std::uint8_t>& compressed)
    {
        if (inflateInit(&z_) != Z_OK)
            throw EGraphicCompression(PngMessage::Lz77Error);
        // zlib takes its input through a non-const pointer but never writes it.
        z_.next_in = const_cast<Bytef*>(compressed.data());
        z_.avail_in = static_cast<uInt>(
            std::min<std::size_t>(compressed.size(), std::numeric_limits<uInt>::max()));
    }
    ~TRowInflater() { inflateEnd(&z_); }
    TRowInflater(const TRowInflater&) = delete;
    TRowInflater& operator=(const TRowInflater&) = delete;

    void ReadExactly(std::uint8_t* out, std::size_t n)
    {
        z_.next_out = out;
        z_.avail_out = static_cast<uInt>(n);
        while (z_.avail_out > 0) {
            const int code = inflate(&z_, Z_SYNC_FLUSH);
            if (code == Z_STREAM_END && z_.avail_out > 0)
                throw EGraphicCompression(PngMessage::CompressionError); // ended early
            if (code == Z_BUF_ERROR || (code != Z_OK && code != Z_STREAM_END))
                throw EGraphicCompression(PngMessage::CompressionError);
        }
    }

    // After the last row: the stream may end (its check is verified), may be
    // cut short (tolerated), but must not yield more image bytes.
    void CheckNothingLeft()
    {
        std::uint8_t extra[64];
        z_.next_out = extra;
        z_.avail_out = sizeof extra;
        const int code = inflate(&z_, Z_SYNC_FLUSH);
        if (z_.avail_out != sizeof extra)
            throw EInvalidGraphic(PngMessage::ExtraData);
        if (code != Z_OK && code != Z_STREAM_END && code != Z_BUF_ERROR)
            throw EGraphicCompression(PngMessage::CompressionError);
    }

private:
    z_stream z_{};
};

void DecodePass(TRowInflater& inflater, const TPngHeader& header, const TPass& pass, TPngRowWriter& writer)
{
    const int width = PassExtent(header.Width, pass.x0, pass.dx);
    const int height = PassExtent(header.Height, pass.y0, pass.dy);
    if (width == 0 || height == 0)
        return;
    const std::size_t rowBytes = PngRowBytes(header, width);
    const std::size_t bpp = std::max(1, header.BitsPerPixel / 8);
    // One byte for the filter type, then the row; the row above starts as zeros.
    std::vector<std::uint8_t> current(rowBytes + 1), previous(rowBytes + 1, 0);
    for (int i = 0; i < height; ++i) {
        inflater.ReadExactly(current.data(), current.size());
        if (!UnfilterPngRow(current[0], current.data() + 1, previous.data() + 1, rowBytes, bpp))
            throw EInvalidGraphic(PngMessage::InvalidFormat);
        writer.Store(current.data() + 1, width, pass.y0 + i * pass.dy, pass.x0, pass.dx);
        current.swap(previous);
    }
}

} // namespace

std::size_t PngRowBytes(const TPngHeader& header, int width)
{
    return (static_cast<std::size_t>(width) * header.BitsPerPixel + 7) / 8;
}

std::uint64_t PngImageDataSize(const TPngHeader& header)
{
    std::uint64_t total = 0;
    for (const TPass& pass :
         header.Interlaced ? std::span<const TPass>(Adam7) : std::span<const TPass>(&WholeImage, 1)) {
        const int width = PassExtent(header.Width, pass.x0, pass.dx);
        const int height = PassExtent(header.Height, pass.y0, pass.dy);
        if (width > 0)
            total += (PngRowBytes(header, width) + 1) * static_cast<std::uint64_t>(height);
    }
    return total;
}

bool PngImageDataFits(const TPngHeader& header, std::size_t compressedBytes)
{
    constexpr std::uint64_t Slack = 1024;
    return PngImageDataSize(header) <= compressedBytes * std::uint64_t(ZlibMaxInflateRatio) + Slack;
}

void DecodePngImageData(const std::vector<std::uint8_t>& compressed, const TPngHeader& header,
                        TPngRowWriter& writer)
{
    TRowInflater inflater(compressed);
    if (header.Interlaced)
        for (const TPass& pass : Adam7)
            DecodePass(inflater, header, pass, writer);
    else
        DecodePass(inflater, header, WholeImage, writer);
    inflater.CheckNothingLeft();
}

} // namespace pp
