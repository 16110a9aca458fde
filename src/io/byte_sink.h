#pragma once
// Sequential writing of a mission file through a buffer.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace vorlan {

class AtomicFileWriter;

class ByteSink {
public:
    static constexpr std::size_t kBufferSize = 64 * 1024;
    // Enough for the largest record that is reserved in place.
    static constexpr std::size_t kSmallBufferSize = 32 * 1024;

    explicit ByteSink(std::size_t bufferSize = kBufferSize)
        : buffer_(new std::uint8_t[bufferSize]), size_(bufferSize) {}
    virtual ~ByteSink() = default;

    void Write(std::span<const std::uint8_t> bytes) { Write(bytes.data(), bytes.size()); }
    void Write(const std::uint8_t* data, std::size_t size);
    void WriteU8(std::uint8_t value) { Write(&value, 1); }
    void WriteU16(std::uint16_t value);
    void WriteZeros(std::size_t size);
    // Room for size bytes (at most kSmallBufferSize) to be filled in place, saving a copy.
    std::uint8_t* Reserve(std::size_t size);
    // Hands the buffered bytes on; false when any write failed.
    bool Finish();
    bool Failed() const { return failed_; }

protected:
    virtual bool Deliver(const std::uint8_t* data, std::size_t size) = 0;

private:
    void FlushBuffer();

    // Not zero-filled: every byte is written before it is delivered.
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t size_;
    std::size_t used_ = 0;
    bool failed_ = false;
};

// Collects the bytes in memory; the bytes are copied once anyway, so a small buffer will do.
class MemoryByteSink : public ByteSink {
public:
    MemoryByteSink() : ByteSink(kSmallBufferSize) {}

    std::vector<std::uint8_t> Bytes;

protected:
    bool Deliver(const std::uint8_t* data, std::size_t size) override {
        Bytes.insert(Bytes.end(), data, data + size);
        return true;
    }
};

class FileByteSink : public ByteSink {
public:
    explicit FileByteSink(AtomicFileWriter& writer) : writer_(writer) {}

protected:
    bool Deliver(const std::uint8_t* data, std::size_t size) override;

private:
    AtomicFileWriter& writer_;
};

}  // namespace vorlan
