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
    // The bytes already buffered, so that parsers of many small entries can work in place.
    std::span<const std::uint8_t> Buffered() const { return {cur_, end_}; }
    // Marks n of the buffered bytes as read; n is at most Buffered().size().
    void Consume(std::size_t n) {
        cur_ += n;
        position_ += n;
    }
    // Reads size bytes into each of the places in turn, as that many calls of Read would, but
    // lets a file go straight into the places without passing through the buffer.
    void ReadEach(std::span<std::uint8_t* const> places, std::size_t size);
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
    struct Piece {
        std::uint8_t* data;
        std::size_t size;
    };
    // Reads straight into a large destination; returns the count read (short only at the end).
    virtual std::size_t ReadDirect(std::uint8_t* destination, std::size_t size);
    // Fills the pieces in order straight from the input, while the buffer is empty; returns the
    // count read, short at the end of the input or where the input cannot do this.
    virtual std::size_t ReadDirectPieces(std::span<const Piece> pieces);
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
    std::size_t ReadDirectPieces(std::span<const Piece> pieces) override;

private:
    static constexpr std::size_t kBufferSize = 64 * 1024;
    std::size_t ReadSome(std::uint8_t* destination, std::size_t size);

    int fd_;
    std::string path_;
    std::vector<std::uint8_t> buffer_;
};

}  // namespace vorlan
