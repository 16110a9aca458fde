#include "io/byte_sink.h"

#include <algorithm>
#include <cstring>

#include "base/atomic_file.h"

namespace vorlan {

void ByteSink::FlushBuffer() {
    if (used_ > 0 && !failed_) {
        failed_ = !Deliver(buffer_.get(), used_);
    }
    used_ = 0;
}

void ByteSink::Write(const std::uint8_t* data, std::size_t size) {
    if (size <= size_ - used_) {
        std::memcpy(buffer_.get() + used_, data, size);
        used_ += size;
        return;
    }
    FlushBuffer();
    if (size >= size_) {
        if (!failed_) {
            failed_ = !Deliver(data, size);
        }
        return;
    }
    std::memcpy(buffer_.get(), data, size);
    used_ = size;
}

void ByteSink::WriteU16(std::uint16_t value) {
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(value),
                                   static_cast<std::uint8_t>(value >> 8)};
    Write(bytes, 2);
}

void ByteSink::WriteZeros(std::size_t size) {
    while (size > 0) {
        const std::size_t n = std::min(size, size_);
        std::memset(Reserve(n), 0, n);
        size -= n;
    }
}

std::uint8_t* ByteSink::Reserve(std::size_t size) {
    if (size > size_ - used_) {
        FlushBuffer();
    }
    std::uint8_t* room = buffer_.get() + used_;
    used_ += size;
    return room;
}

bool ByteSink::Finish() {
    FlushBuffer();
    return !failed_;
}

bool FileByteSink::Deliver(const std::uint8_t* data, std::size_t size) {
    return writer_.Write(data, size);
}

}  // namespace vorlan
