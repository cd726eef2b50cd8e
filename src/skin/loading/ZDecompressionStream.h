#pragma once
// A read-only stream that inflates one zlib stream (with its two-byte header
// and Adler-32 trailer) from a source stream.
//
// Packed skins store their entries back to back with no compressed lengths,
// so the next entry can only be found by running the decompressor to the end
// of the current one. To make that work the stream hands back the input it
// read ahead: when the zlib stream ends it seeks the source back over the
// unused bytes, leaving the source right after the Adler-32 trailer.
#include "core/Error.h"
#include "core/Stream.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace pp {

// A zlib stream cannot inflate to much more than this many times its size
// (deflate's longest match per code); sizes claimed beyond it are damage.
inline constexpr std::int64_t ZlibMaxInflateRatio = 1032;

// A zlib failure; the message is zlib's own text for the code ("data error").
class EZDecompressionError : public Exception {
public:
    using Exception::Exception;
};

class TZDecompressionStream : public TStream {
public:
    // Size of the blocks read from the source. The first reads of a stream
    // are smaller (4 KiB, doubling), because packed entries are mostly a few
    // KiB and each block read past an entry's end is handed back unused.
    static constexpr std::size_t InputBlockSize = 65536;
    static constexpr std::size_t FirstInputBlockSize = 4096;

    // Starts decompressing at the source's current position. The source is
    // borrowed and must outlive this stream.
    explicit TZDecompressionStream(TStream& source);
    ~TZDecompressionStream() override;
    TZDecompressionStream(const TZDecompressionStream&) = delete;
    TZDecompressionStream& operator=(const TZDecompressionStream&) = delete;

    // Inflates up to `count` bytes; answers fewer only when the zlib stream
    // ended or the source ran dry.
    std::size_t Read(void* buffer, std::size_t count) override;
    // Always fails with "Invalid ZStream operation!".
    std::size_t Write(const void* buffer, std::size_t count) override;
    // Position 0 from the beginning restarts; forward seeks decompress and
    // discard; offset 0 from the end discards the rest. Anything else fails
    // with "Invalid ZStream operation!". Answers the bytes produced so far.
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() override;

    // True once the zlib stream's trailer has been read and checked.
    bool Finished() const { return finished_; }

private:
    void Restart();
    void Discard(std::int64_t count);
    void RefillInput();
    void HandBackUnusedInput();

    struct ZState;
    TStream& source_;
    std::unique_ptr<ZState> z_;
    std::unique_ptr<std::uint8_t[]> input_;
    std::size_t nextBlock_ = FirstInputBlockSize;
    std::int64_t start_ = 0;          // source position of the zlib header
    std::int64_t sourcePosition_ = 0; // where the source must be before the next read
    std::int64_t produced_ = 0;
    bool finished_ = false;
};

} // namespace pp
