#include "skin/loading/JpegStructure.h"

#include "skin/loading/GraphicErrors.h"

#include <array>
#include <cstddef>

namespace pp {
namespace {

constexpr std::uint8_t SOI = 0xD8, EOI = 0xD9, SOS = 0xDA, DHT = 0xC4, TEM = 0x01;
constexpr std::uint8_t SOF2 = 0xC2;
constexpr std::size_t MaxHuffmanCodes = 256;

[[noreturn]] void Reject()
{
    throw EInvalidGraphic("Cannot load image. Invalid or unexpected JPEG image format. (bad Huffman table)");
}

bool IsRestart(std::uint8_t m) { return m >= 0xD0 && m <= 0xD7; }

class TJpegWalker {
public:
    explicit TJpegWalker(const std::vector<std::uint8_t>& bytes) : b_(bytes) { }

    void Run()
    {
        // Fill bytes may stand before the first marker too.
        if (b_.empty() || b_[0] != 0xFF || NextMarker() != SOI)
            return; // not a JPEG at all; the decoder says so
        for (;;) {
            const int marker = NextMarker();
            if (marker < 0 || marker == EOI)
                return;
            if (marker == TEM || IsRestart(static_cast<std::uint8_t>(marker)))
                continue;
            if (!Segment(static_cast<std::uint8_t>(marker)))
                return;
        }
    }

private:
    // Skips stray bytes and fill bytes as the decoder does; -1 at the end.
    int NextMarker()
    {
        while (pos_ < b_.size() && b_[pos_] != 0xFF)
            ++pos_;
        while (pos_ < b_.size() && b_[pos_] == 0xFF)
            ++pos_;
        return pos_ < b_.size() ? b_[pos_++] : -1;
    }

    // Handles one segment with a length; false when the file ends inside it.
    bool Segment(std::uint8_t marker)
    {
        if (pos_ + 2 > b_.size())
            return false;
        const std::size_t length = (std::size_t(b_[pos_]) << 8) | b_[pos_ + 1];
        if (length < 2 || pos_ + length > b_.size())
            return false;
        const std::size_t begin = pos_ + 2, end = pos_ + length;
        pos_ = end;
        if (marker == SOF2)
            progressive_ = true;
        if (marker == DHT)
            DefineTables(begin, end);
        if (marker == SOS) {
            CheckScan(begin, end);
            SkipEntropyData();
        }
        return true;
    }

    // Read as the decoder reads: table after table while the segment has
    // bytes left, a table's counts and codes running past the segment's end
    // if it says so (the padding keeps that inside the buffer).
    void DefineTables(std::size_t at, std::size_t end)
    {
        while (at < end) {
            const std::uint8_t classAndId = ByteAt(at);
            std::size_t codes = 0;
            for (int i = 1; i <= 16; ++i)
                codes += ByteAt(at + i);
            if (codes > MaxHuffmanCodes)
                Reject();
            const int tableClass = classAndId >> 4, id = classAndId & 15;
            if (tableClass <= 1 && id <= 3)
                defined_[tableClass][id] = true;
            at += 17 + codes;
        }
    }

    // A table's counts may run past the end of everything; the decoder reads zeros there.
    std::uint8_t ByteAt(std::size_t at) const { return at < b_.size() ? b_[at] : 0; }

    void CheckScan(std::size_t at, std::size_t end)
    {
        if (at >= end)
            return;
        const std::size_t components = b_[at];
        const std::size_t spectral = at + 1 + 2 * components;
        if (spectral + 3 > end)
            return;
        const int start = b_[spectral], high = b_[spectral + 2] >> 4;
        const bool needDc = !progressive_ || (start == 0 && high == 0);
        const bool needAc = !progressive_ || start > 0;
        for (std::size_t i = 0; i < components; ++i) {
            const std::uint8_t tables = b_[at + 2 + 2 * i];
            const int dc = tables >> 4, ac = tables & 15;
            if ((needDc && (dc > 3 || !defined_[0][dc])) || (needAc && (ac > 3 || !defined_[1][ac])))
                Reject();
        }
    }

    // Entropy-coded data runs to the first marker that is not a stuffed
    // zero or a restart marker.
    void SkipEntropyData()
    {
        while (pos_ + 1 < b_.size()) {
            if (b_[pos_] == 0xFF) {
                std::size_t next = pos_ + 1;
                while (next < b_.size() && b_[next] == 0xFF)
                    ++next;
                if (next < b_.size() && b_[next] != 0 && !IsRestart(b_[next]))
                    return; // pos_ stays on the marker's 0xFF
                pos_ = next + 1;
                continue;
            }
            ++pos_;
        }
        pos_ = b_.size();
    }

    const std::vector<std::uint8_t>& b_;
    std::size_t pos_ = 0;
    bool progressive_ = false;
    std::array<std::array<bool, 4>, 2> defined_{};
};

} // namespace

void CheckJpegHuffmanTables(const std::vector<std::uint8_t>& bytes)
{
    // The decoder reads zeros past the end of its data, so a segment cut
    // short is read the same way here: longest segment plus its marker.
    std::vector<std::uint8_t> padded(bytes);
    padded.resize(bytes.size() + 65536 + 4, 0);
    TJpegWalker(padded).Run();
}

} // namespace pp
