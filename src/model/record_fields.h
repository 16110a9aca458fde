#pragma once
// Named fields at fixed offsets inside byte images. A field carries the tag of the record it
// belongs to, so a flight group field cannot be read from a message record by mistake.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "model/fixed_text.h"

namespace vorlan {

template <class Tag, class T>
struct Field {
    std::size_t offset;
};

template <class Tag, std::size_t Width>
struct TextField {
    std::size_t offset;
};

// A record of layout Child embedded at a fixed offset of a record of layout Parent.
template <class Parent, class Child>
struct SubRecord {
    std::size_t offset;
};

template <class T>
T LoadLittleEndian(const std::uint8_t* p) {
    static_assert(std::is_integral_v<T>);
    std::make_unsigned_t<T> value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        value |= static_cast<std::make_unsigned_t<T>>(p[i]) << (8 * i);
    }
    return static_cast<T>(value);
}

template <class T>
void StoreLittleEndian(std::uint8_t* p, T value) {
    static_assert(std::is_integral_v<T>);
    auto bits = static_cast<std::make_unsigned_t<T>>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        p[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

template <class Tag>
class ConstRecordRef;
template <class Tag>
class RecordRef;

// Read access shared by records and views; Derived provides Data().
template <class Tag, class Derived>
class FieldReader {
public:
    template <class T>
    T Get(Field<Tag, T> f) const {
        return LoadLittleEndian<T>(Bytes() + f.offset);
    }
    template <std::size_t W>
    std::string GetText(TextField<Tag, W> f) const {
        return ReadFixedText(std::span<const std::uint8_t>(Bytes() + f.offset, W));
    }
    template <std::size_t W>
    std::span<const std::uint8_t, W> TextBytes(TextField<Tag, W> f) const {
        return std::span<const std::uint8_t, W>(Bytes() + f.offset, W);
    }
    template <class Child>
    ConstRecordRef<Child> Sub(SubRecord<Tag, Child> s) const {
        return ConstRecordRef<Child>(Bytes() + s.offset);
    }
    std::uint8_t ByteAt(std::size_t offset) const { return Bytes()[offset]; }

private:
    const std::uint8_t* Bytes() const { return static_cast<const Derived&>(*this).Data(); }
};

// Write access on top of read access.
template <class Tag, class Derived>
class FieldWriter : public FieldReader<Tag, Derived> {
public:
    using FieldReader<Tag, Derived>::Sub;

    template <class T, class V>
    void Set(Field<Tag, T> f, V value) {
        StoreLittleEndian<T>(Bytes() + f.offset, static_cast<T>(value));
    }
    template <std::size_t W>
    void SetText(TextField<Tag, W> f, std::string_view text) {
        StoreFixedText(std::span<std::uint8_t>(Bytes() + f.offset, W), text);
    }
    template <class Child>
    RecordRef<Child> Sub(SubRecord<Tag, Child> s) {
        return RecordRef<Child>(Bytes() + s.offset);
    }
    void SetByteAt(std::size_t offset, std::uint8_t value) { Bytes()[offset] = value; }

private:
    std::uint8_t* Bytes() { return static_cast<Derived&>(*this).Data(); }
};

// A read-only view of a record embedded in a larger image.
template <class Tag>
class ConstRecordRef : public FieldReader<Tag, ConstRecordRef<Tag>> {
public:
    explicit ConstRecordRef(const std::uint8_t* data) : data_(data) {}
    const std::uint8_t* Data() const { return data_; }
    std::span<const std::uint8_t, Tag::kSize> Image() const {
        return std::span<const std::uint8_t, Tag::kSize>(data_, Tag::kSize);
    }

private:
    const std::uint8_t* data_;
};

// A writable view of a record embedded in a larger image.
template <class Tag>
class RecordRef : public FieldWriter<Tag, RecordRef<Tag>> {
public:
    explicit RecordRef(std::uint8_t* data) : data_(data) {}
    std::uint8_t* Data() { return data_; }
    const std::uint8_t* Data() const { return data_; }
    std::span<std::uint8_t, Tag::kSize> Image() {
        return std::span<std::uint8_t, Tag::kSize>(data_, Tag::kSize);
    }

private:
    std::uint8_t* data_;
};

// Asks for storage that the caller fills completely right away, so zeroing it first is waste.
struct ForOverwrite {};

// A record that owns its byte image. Every byte is kept; only named fields are ever changed.
template <class Tag>
class ByteRecord : public FieldWriter<Tag, ByteRecord<Tag>> {
public:
    static constexpr std::size_t kSize = Tag::kSize;

    ByteRecord() : bytes_{} {}
    explicit ByteRecord(ForOverwrite) {}

    std::uint8_t* Data() { return bytes_.data(); }
    const std::uint8_t* Data() const { return bytes_.data(); }
    std::span<std::uint8_t, kSize> Image() { return bytes_; }
    std::span<const std::uint8_t, kSize> Image() const { return bytes_; }
    RecordRef<Tag> Ref() { return RecordRef<Tag>(bytes_.data()); }
    ConstRecordRef<Tag> Ref() const { return ConstRecordRef<Tag>(bytes_.data()); }
    void Clear() { bytes_.fill(0); }

    friend bool operator==(const ByteRecord& a, const ByteRecord& b) {
        return a.bytes_ == b.bytes_;
    }

private:
    std::array<std::uint8_t, kSize> bytes_;
};

}  // namespace vorlan
