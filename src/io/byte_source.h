#pragma once
// Sequential reading of a mission file. Bytes past the end read as zero and are counted, so a
// file that ends early still loads and the shortfall can be reported.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vorlan {

class ByteSource {
public:
    virtual ~ByteSource() = default;

    void Read(std::span<std::uint8_t> destination) { Read(destination.data(), destination.size()); }
    void Read(std::uint8_t* destination, std::size_t size);
    std::uint8_t ReadU8();
    std::uint16_t ReadU16();
    // Reads and throws away size bytes.
    void Skip(std::size_t size);

    // Bytes read so far, including those that were missing.
    std::uint64_t Position() const { return position_; }
    // Bytes asked for beyond the end of the input.
    std::uint64_t Missing() const { return missing_; }
    bool Failed() const { return !error_.empty(); }
    const std::string& Error() const { return error_; }

protected:
    // Refills the window [begin, end) from the input; returns false at the end or on error.
    virtual bool Refill() = 0;
    // Reads straight into a large destination; returns the count read (short only at the end).
    virtual std::size_t ReadDirect(std::uint8_t* destination, std::size_t size);
    void SetWindow(const std::uint8_t* begin, const std::uint8_t* end) {
        cur_ = begin;
        end_ = end;
    }
    void SetError(std::string error) { error_ = std::move(error); }

private:
    void ReadSlow(std::uint8_t* destination, std::size_t size);

    const std::uint8_t* cur_ = nullptr;
    const std::uint8_t* end_ = nullptr;
    std::uint64_t position_ = 0;
    std::uint64_t missing_ = 0;
    std::string error_;
};

// Reads from bytes already in memory.
class MemoryByteSource : public ByteSource {
public:
    explicit MemoryByteSource(std::span<const std::uint8_t> bytes);

protected:
    bool Refill() override { return false; }
};

// Reads a file through a buffer; large records bypass the buffer.
class FileByteSource : public ByteSource {
public:
    // fd stays owned by the caller. path is used in error texts.
    FileByteSource(int fd, std::string path);

protected:
    bool Refill() override;
    std::size_t ReadDirect(std::uint8_t* destination, std::size_t size) override;

private:
    static constexpr std::size_t kBufferSize = 256 * 1024;
    std::size_t ReadSome(std::uint8_t* destination, std::size_t size);

    int fd_;
    std::string path_;
    std::vector<std::uint8_t> buffer_;
};

}  // namespace vorlan
