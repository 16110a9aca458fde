#include "io/byte_source.h"

#include <sys/uio.h>
#include <unistd.h>

#include <climits>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vorlan {

void ByteSource::Read(std::uint8_t* destination, std::size_t size) {
    const auto available = static_cast<std::size_t>(end_ - cur_);
    if (size <= available && size > 0) {
        std::memcpy(destination, cur_, size);
        cur_ += size;
        position_ += size;
        return;
    }
    ReadSlow(destination, size);
}

void ByteSource::ReadSlow(std::uint8_t* destination, std::size_t size) {
    position_ += size;
    while (size > 0) {
        auto available = static_cast<std::size_t>(end_ - cur_);
        if (available == 0) {
            if (Failed() || missing_ > 0) {
                break;
            }
            const std::size_t direct = ReadDirect(destination, size);
            destination += direct;
            size -= direct;
            if (size == 0 || !Refill()) {
                break;
            }
            available = static_cast<std::size_t>(end_ - cur_);
        }
        const std::size_t n = std::min(size, available);
        std::memcpy(destination, cur_, n);
        cur_ += n;
        destination += n;
        size -= n;
    }
    if (size > 0) {
        std::memset(destination, 0, size);
        missing_ += size;
    }
}

std::size_t ByteSource::ReadDirect(std::uint8_t*, std::size_t) {
    return 0;
}

std::size_t ByteSource::ReadDirectPieces(std::span<const Piece>) {
    return 0;
}

void ByteSource::ReadEach(std::span<std::uint8_t* const> places, std::size_t size) {
    std::size_t i = 0;
    for (; i < places.size() && static_cast<std::size_t>(end_ - cur_) >= size; ++i) {
        Read(places[i], size);
    }
    if (i == places.size()) {
        return;
    }
    // The buffer holds the start of one record at most; the rest goes straight to its places.
    const auto buffered = static_cast<std::size_t>(end_ - cur_);
    if (buffered > 0) {
        std::memcpy(places[i], cur_, buffered);
        cur_ = end_;
        position_ += buffered;
    }
    std::vector<Piece> pieces;
    pieces.reserve(places.size() - i);
    pieces.push_back({places[i] + buffered, size - buffered});
    for (std::size_t j = i + 1; j < places.size(); ++j) {
        pieces.push_back({places[j], size});
    }
    std::size_t got = Failed() || missing_ > 0 ? 0 : ReadDirectPieces(pieces);
    position_ += got;
    // Whatever the direct read did not reach is read the ordinary way, which zero-fills and
    // counts what lies past the end.
    for (const Piece& piece : pieces) {
        const std::size_t done = std::min(got, piece.size);
        got -= done;
        if (done < piece.size) {
            Read(piece.data + done, piece.size - done);
        }
    }
}

std::uint8_t ByteSource::ReadU8() {
    std::uint8_t value;
    Read(&value, 1);
    return value;
}

std::uint16_t ByteSource::ReadU16() {
    std::uint8_t bytes[2];
    Read(bytes, 2);
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

void ByteSource::Skip(std::size_t size) {
    std::uint8_t scratch[512];
    while (size > 0) {
        const std::size_t n = std::min(size, sizeof scratch);
        Read(scratch, n);
        size -= n;
    }
}

MemoryByteSource::MemoryByteSource(std::span<const std::uint8_t> bytes) {
    SetWindow(bytes.data(), bytes.data() + bytes.size());
}

FileByteSource::FileByteSource(int fd, std::string path)
    : fd_(fd), path_(std::move(path)), buffer_(kBufferSize) {}

std::size_t FileByteSource::ReadSome(std::uint8_t* destination, std::size_t size) {
    const Piece whole{destination, size};
    return ReadDirectPieces(std::span(&whole, 1));
}

bool FileByteSource::Refill() {
    const std::size_t n = Failed() ? 0 : ReadSome(buffer_.data(), buffer_.size());
    SetWindow(buffer_.data(), buffer_.data() + n);
    return n > 0;
}

std::size_t FileByteSource::ReadDirectPieces(std::span<const Piece> pieces) {
    std::vector<iovec> vectors;
    std::size_t total = 0;
    std::size_t next = 0;
    std::size_t offsetInNext = 0;  // of a piece a short read left half filled
    while (next < pieces.size() && !Failed()) {
        vectors.clear();
        for (std::size_t k = next; k < pieces.size() && vectors.size() < IOV_MAX; ++k) {
            const std::size_t skip = k == next ? offsetInNext : 0;
            vectors.push_back({pieces[k].data + skip, pieces[k].size - skip});
        }
        const ssize_t n = ::readv(fd_, vectors.data(), static_cast<int>(vectors.size()));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            SetError(path_ + ": " + std::strerror(errno));
            break;
        }
        if (n == 0) {
            break;
        }
        total += static_cast<std::size_t>(n);
        auto left = static_cast<std::size_t>(n);
        while (left > 0) {
            const std::size_t room = pieces[next].size - offsetInNext;
            if (left < room) {
                offsetInNext += left;
                break;
            }
            left -= room;
            offsetInNext = 0;
            ++next;
        }
    }
    return total;
}

std::size_t FileByteSource::ReadDirect(std::uint8_t* destination, std::size_t size) {
    // Small reads are better served by refilling the buffer.
    if (size < kBufferSize) {
        return 0;
    }
    return ReadSome(destination, size);
}

}  // namespace vorlan
