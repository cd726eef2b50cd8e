#pragma once
// Byte streams: the packed skin reader, the decoders and the options loader
// read through these. A short read through ReadBuffer throws "Stream read error".
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace pp {

enum class TSeekOrigin { Beginning, Current, End };

class TStream {
public:
    virtual ~TStream() = default;
    // Reads up to `count` bytes and answers how many were read.
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
    // Moves the position and answers the new one.
    virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

    std::int64_t Position() { return Seek(0, TSeekOrigin::Current); }
    void SetPosition(std::int64_t position) { Seek(position, TSeekOrigin::Beginning); }
    virtual std::int64_t Size();

    // Reads exactly `count` bytes or throws EReadError.
    void ReadBuffer(void* buffer, std::size_t count);
    void WriteBuffer(const void* buffer, std::size_t count);
    // Copies `count` bytes from `source` (all that remains when count is 0).
    std::int64_t CopyFrom(TStream& source, std::int64_t count);
    // All bytes from the current position to the end.
    std::vector<std::uint8_t> ReadToEnd();
};

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) { }

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() override { return static_cast<std::int64_t>(bytes_.size()); }

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::vector<std::uint8_t>& Bytes() { return bytes_; }
    void Clear()
    {
        bytes_.clear();
        position_ = 0;
    }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

// A read-only view of bytes owned elsewhere.
class TSpanStream : public TStream {
public:
    TSpanStream(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) { }

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void*, std::size_t) override { return 0; }
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() override { return static_cast<std::int64_t>(size_); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

enum class TFileMode { OpenRead, Create };

// File names are UTF-8; on Windows they are opened through the wide API so
// that any character of the name works.
class TFileStream : public TStream {
public:
    TFileStream(const std::string& fileName, TFileMode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

private:
    std::FILE* file_ = nullptr;
};

// Whole-file helpers.
std::vector<std::uint8_t> ReadFileBytes(const std::string& fileName);
void WriteFileBytes(const std::string& fileName, const std::vector<std::uint8_t>& bytes);
bool FileExists(const std::string& fileName);
bool DirectoryExists(const std::string& path);

} // namespace pp
