// RLE8 and RLE4 bitmap data. Runs and deltas that point outside the image
// are clipped, never written; pixels no code reaches keep index 0.
#include "core/Error.h"
#include "skin/loading/BmpFormat.h"
#include "skin/loading/CompressedDataBound.h"
#include "skin/loading/GraphicErrors.h"

#include <algorithm>

namespace pp {
namespace {

class TRleCursor {
public:
    TRleCursor(const TBmpInfo& info, TBitmap& target) : info_(info), target_(target) { }

    void Put(unsigned index)
    {
        if (x_ < info_.Width && fileRow_ < info_.Height) {
            std::uint8_t* row = target_.ScanLine(BmpTargetRow(info_, fileRow_));
            if (target_.Format() == TPixelFormat::pf8bit) {
                row[x_] = static_cast<std::uint8_t>(index);
            } else {
                std::uint8_t& cell = row[x_ >> 1];
                cell = (x_ & 1) ? static_cast<std::uint8_t>((cell & 0xF0) | (index & 15))
                                : static_cast<std::uint8_t>((cell & 0x0F) | ((index & 15) << 4));
            }
            ++x_;
        }
    }
    void EndOfLine()
    {
        x_ = 0;
        ++fileRow_;
    }
    void Move(int dx, int dy)
    {
        // Clamped, so that hostile deltas cannot run the counters over.
        x_ = std::min(x_ + dx, info_.Width);
        fileRow_ = std::min(fileRow_ + dy, info_.Height);
    }
    bool Done() const { return fileRow_ >= info_.Height; }

private:
    const TBmpInfo& info_;
    TBitmap& target_;
    int x_ = 0;
    int fileRow_ = 0; // rows count from the bottom of the image, as stored
};

class TRleReader {
public:
    explicit TRleReader(const std::vector<std::uint8_t>& data) : data_(data) { }
    bool More(std::size_t n) const { return data_.size() - pos_ >= n; }
    std::uint8_t Byte()
    {
        if (pos_ >= data_.size())
            throw EReadError();
        return data_[pos_++];
    }
    void Align() { pos_ += pos_ & 1; }

private:
    const std::vector<std::uint8_t>& data_;
    std::size_t pos_ = 0;
};

// The pixel at `i` of a run whose byte holds one (RLE8) or two (RLE4) indexes.
unsigned RunPixel(std::uint8_t value, int i, bool four)
{
    if (!four)
        return value;
    return (i & 1) ? (value & 15u) : (value >> 4);
}

void Absolute(TRleReader& in, TRleCursor& out, int count, bool four)
{
    std::uint8_t value = 0;
    for (int i = 0; i < count; ++i) {
        if (!four || (i & 1) == 0)
            value = in.Byte();
        out.Put(RunPixel(value, i, four));
    }
    in.Align(); // absolute runs are padded to a 16-bit boundary
}

// A run code is two bytes and gives at most 255 pixels; no other code
// writes more pixels for its bytes. End-of-line, delta and end-of-bitmap
// codes can leave any area unwritten, but no writer relies on that for a
// large image.
constexpr std::int64_t MostPixelsPerRunCode = 255;
constexpr std::int64_t RunCodeBytes = 2;

} // namespace

void CheckBmpRleCanCover(std::int64_t dataBytes, const TBmpInfo& info)
{
    const std::int64_t pixels = std::int64_t(info.Width) * info.Height;
    if (!CompressedDataCanDescribe(pixels, dataBytes, MostPixelsPerRunCode, RunCodeBytes))
        throw EReadError();
}

void DecodeBmpRle(const std::vector<std::uint8_t>& data, const TBmpInfo& info, TBitmap& target)
{
    const bool four = info.Compression == TBmpCompression::Rle4;
    TRleReader in(data);
    TRleCursor out(info, target);
    while (!out.Done() && in.More(2)) {
        const std::uint8_t count = in.Byte();
        const std::uint8_t code = in.Byte();
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                out.Put(RunPixel(code, i, four));
            continue;
        }
        switch (code) {
        case 0: out.EndOfLine(); break;
        case 1: return;
        case 2: {
            const int dx = in.Byte();
            const int dy = in.Byte();
            out.Move(dx, dy);
            break;
        }
        default: Absolute(in, out, code, four); break;
        }
    }
}

} // namespace pp
