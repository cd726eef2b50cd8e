#include "core/Stream.h"

#include "core/Error.h"
#include "core/Utf8Path.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <system_error>

namespace pp {

std::int64_t TStream::Size()
{
    const std::int64_t here = Position();
    const std::int64_t end = Seek(0, TSeekOrigin::End);
    SetPosition(here);
    return end;
}

void TStream::ReadBuffer(void* buffer, std::size_t count)
{
    if (count != 0 && Read(buffer, count) != count)
        throw EReadError();
}

void TStream::WriteBuffer(const void* buffer, std::size_t count)
{
    if (count != 0 && Write(buffer, count) != count)
        throw EWriteError();
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count)
{
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    std::vector<std::uint8_t> chunk(64 * 1024);
    std::int64_t left = count;
    while (left > 0) {
        const std::size_t n = static_cast<std::size_t>(std::min<std::int64_t>(left, chunk.size()));
        source.ReadBuffer(chunk.data(), n);
        WriteBuffer(chunk.data(), n);
        left -= static_cast<std::int64_t>(n);
    }
    return count;
}

std::vector<std::uint8_t> TStream::ReadToEnd()
{
    std::vector<std::uint8_t> out;
    std::uint8_t chunk[16 * 1024];
    for (;;) {
        const std::size_t n = Read(chunk, sizeof chunk);
        if (n == 0)
            break;
        out.insert(out.end(), chunk, chunk + n);
    }
    return out;
}

namespace {

// Positions past the end are allowed (as with files); a read there gives
// nothing. Offsets come from file fields: the sum saturates, and a target
// beyond what size_t holds (on 32-bit builds) stays past the end instead of
// wrapping back into the data.
std::size_t ClampedSeek(std::size_t position, std::size_t size, std::int64_t offset, TSeekOrigin origin)
{
    std::int64_t base = 0;
    switch (origin) {
    case TSeekOrigin::Beginning: base = 0; break;
    case TSeekOrigin::Current: base = static_cast<std::int64_t>(position); break;
    case TSeekOrigin::End: base = static_cast<std::int64_t>(size); break;
    }
    std::int64_t target = 0;
    if (__builtin_add_overflow(base, offset, &target))
        target = offset < 0 ? 0 : std::numeric_limits<std::int64_t>::max();
    if (target < 0)
        return 0;
    return static_cast<std::uint64_t>(target) > std::numeric_limits<std::size_t>::max()
               ? std::numeric_limits<std::size_t>::max()
               : static_cast<std::size_t>(target);
}

} // namespace

std::size_t TMemoryStream::Read(void* buffer, std::size_t count)
{
    if (position_ >= bytes_.size())
        return 0;
    const std::size_t n = std::min(count, bytes_.size() - position_);
    std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    return n;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count)
{
    if (position_ + count > bytes_.size())
        bytes_.resize(position_ + count);
    if (count != 0)
        std::memcpy(bytes_.data() + position_, buffer, count);
    position_ += count;
    return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    position_ = ClampedSeek(position_, bytes_.size(), offset, origin);
    return static_cast<std::int64_t>(position_);
}

std::size_t TSpanStream::Read(void* buffer, std::size_t count)
{
    if (position_ >= size_)
        return 0;
    const std::size_t n = std::min(count, size_ - position_);
    std::memcpy(buffer, data_ + position_, n);
    position_ += n;
    return n;
}

std::int64_t TSpanStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    position_ = ClampedSeek(position_, size_, offset, origin);
    return static_cast<std::int64_t>(position_);
}

TFileStream::TFileStream(const std::string& fileName, TFileMode mode)
{
#ifdef _WIN32
    file_ = _wfopen(PathFromUtf8(fileName).wstring().c_str(), mode == TFileMode::OpenRead ? L"rb" : L"wb");
#else
    file_ = std::fopen(fileName.c_str(), mode == TFileMode::OpenRead ? "rb" : "wb");
#endif
    if (!file_)
        throw EFOpenError(
            std::string(mode == TFileMode::OpenRead ? "Cannot open file \"" : "Cannot create file \"") +
            fileName + "\"");
}

TFileStream::~TFileStream()
{
    if (file_)
        std::fclose(file_);
}

std::size_t TFileStream::Read(void* buffer, std::size_t count) { return std::fread(buffer, 1, count, file_); }

std::size_t TFileStream::Write(const void* buffer, std::size_t count)
{
    return std::fwrite(buffer, 1, count, file_);
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    const int whence = origin == TSeekOrigin::Beginning ? SEEK_SET
                       : origin == TSeekOrigin::Current ? SEEK_CUR
                                                        : SEEK_END;
#ifdef _WIN32
    _fseeki64(file_, offset, whence);
    return _ftelli64(file_);
#else
    fseeko(file_, offset, whence);
    return ftello(file_);
#endif
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& fileName)
{
    TFileStream file(fileName, TFileMode::OpenRead);
    return file.ReadToEnd();
}

void WriteFileBytes(const std::string& fileName, const std::vector<std::uint8_t>& bytes)
{
    TFileStream file(fileName, TFileMode::Create);
    file.WriteBuffer(bytes.data(), bytes.size());
}

bool FileExists(const std::string& fileName)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(PathFromUtf8(fileName), ec);
}

bool DirectoryExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_directory(PathFromUtf8(path), ec);
}

} // namespace pp
