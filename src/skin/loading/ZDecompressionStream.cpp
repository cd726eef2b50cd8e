#include "skin/loading/ZDecompressionStream.h"

#include <zlib.h>

#include <algorithm>
#include <limits>

namespace pp {
namespace {

constexpr const char* InvalidOperation = "Invalid ZStream operation!";
constexpr std::size_t DiscardChunk = 8192;

[[noreturn]] void ThrowZlibError(int code) { throw EZDecompressionError(zError(code)); }

} // namespace

struct TZDecompressionStream::ZState {
    z_stream z{};
    ZState()
    {
        const int code = inflateInit(&z);
        if (code != Z_OK)
            ThrowZlibError(code);
    }
    ~ZState() { inflateEnd(&z); }
    ZState(const ZState&) = delete;
    ZState& operator=(const ZState&) = delete;
};

TZDecompressionStream::TZDecompressionStream(TStream& source)
    : source_(source), z_(std::make_unique<ZState>()), input_(new std::uint8_t[InputBlockSize])
{
    start_ = source_.Position();
    sourcePosition_ = start_;
}

TZDecompressionStream::~TZDecompressionStream() = default;

void TZDecompressionStream::RefillInput()
{
    const std::size_t got = source_.Read(input_.get(), nextBlock_);
    nextBlock_ = std::min(nextBlock_ * 2, InputBlockSize);
    sourcePosition_ += static_cast<std::int64_t>(got);
    z_->z.next_in = input_.get();
    z_->z.avail_in = static_cast<uInt>(got);
}

// The zlib stream ended inside the block we read: give the rest back to the
// source so that whatever follows the trailer can be read from there.
void TZDecompressionStream::HandBackUnusedInput()
{
    const std::int64_t unused = z_->z.avail_in;
    if (unused > 0) {
        sourcePosition_ -= unused;
        source_.Seek(sourcePosition_, TSeekOrigin::Beginning);
    }
    z_->z.avail_in = 0;
}

std::size_t TZDecompressionStream::Read(void* buffer, std::size_t count)
{
    if (finished_ || count == 0)
        return 0;
    // Someone else may have read from the source since our last call.
    if (source_.Position() != sourcePosition_)
        source_.Seek(sourcePosition_, TSeekOrigin::Beginning);

    auto* out = static_cast<std::uint8_t*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        if (z_->z.avail_in == 0) {
            RefillInput();
            if (z_->z.avail_in == 0)
                break; // the source ran dry before the stream ended
        }
        const std::size_t want = std::min<std::size_t>(count - done, std::numeric_limits<uInt>::max());
        z_->z.next_out = out + done;
        z_->z.avail_out = static_cast<uInt>(want);
        const int code = inflate(&z_->z, Z_NO_FLUSH);
        done += want - z_->z.avail_out;
        if (code == Z_STREAM_END) {
            finished_ = true;
            HandBackUnusedInput();
            break;
        }
        if (code != Z_OK && code != Z_BUF_ERROR)
            ThrowZlibError(code);
    }
    produced_ += static_cast<std::int64_t>(done);
    return done;
}

std::size_t TZDecompressionStream::Write(const void*, std::size_t)
{
    throw EZDecompressionError(InvalidOperation);
}

// Restarting goes back to where this stream's data began, which is not the
// start of the source when the stream is one entry among several.
void TZDecompressionStream::Restart()
{
    const int code = inflateReset(&z_->z);
    if (code != Z_OK)
        ThrowZlibError(code);
    z_->z.avail_in = 0;
    nextBlock_ = FirstInputBlockSize;
    source_.Seek(start_, TSeekOrigin::Beginning);
    sourcePosition_ = start_;
    produced_ = 0;
    finished_ = false;
}

void TZDecompressionStream::Discard(std::int64_t count)
{
    std::uint8_t scratch[DiscardChunk];
    while (count > 0) {
        const std::size_t want = static_cast<std::size_t>(std::min<std::int64_t>(count, sizeof scratch));
        const std::size_t got = Read(scratch, want);
        if (got == 0)
            return;
        count -= static_cast<std::int64_t>(got);
    }
}

std::int64_t TZDecompressionStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    if (origin == TSeekOrigin::Beginning && offset == 0)
        Restart();
    else if (origin == TSeekOrigin::Current && offset >= 0)
        Discard(offset);
    else if (origin == TSeekOrigin::Beginning && offset >= produced_)
        Discard(offset - produced_);
    else if (origin == TSeekOrigin::End && offset == 0)
        Discard(std::numeric_limits<std::int64_t>::max());
    else
        throw EZDecompressionError(InvalidOperation);
    return produced_;
}

// The inflated size is not known without inflating everything.
std::int64_t TZDecompressionStream::Size() { throw EZDecompressionError(InvalidOperation); }

} // namespace pp
