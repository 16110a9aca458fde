#include "support/mission_factory.h"

#include <random>

namespace vorlan::test {
namespace {

class FileBuilder {
public:
    explicit FileBuilder(std::uint32_t seed) : random_(seed) {}

    std::vector<std::uint8_t> Bytes;

    std::uint8_t RandomByte() { return static_cast<std::uint8_t>(random_() & 0xFF); }
    int RandomInt(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }
    void U8(std::uint8_t v) { Bytes.push_back(v); }
    void U16(std::uint16_t v) {
        U8(static_cast<std::uint8_t>(v));
        U8(static_cast<std::uint8_t>(v >> 8));
    }
    void Random(std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) {
            U8(RandomByte());
        }
    }
    void Zeros(std::size_t n) { Bytes.insert(Bytes.end(), n, 0); }

private:
    std::mt19937 random_;
};

constexpr std::size_t kHeaderSize = 9198;
constexpr std::size_t kFGSize = 3646;

void FlightGroupRecord(FileBuilder& b) {
    const std::size_t start = b.Bytes.size();
    b.Random(kFGSize);
    // A craft of type 183 at the origin is moved on save; keep it off the origin.
    if (b.Bytes[start + 107] == 183) {
        b.Bytes[start + 3466] |= 1;
    }
}

// Entries of which about a third are empty.
void ShortTextEntries(FileBuilder& b, int count, bool randomStrings) {
    for (int i = 0; i < count; ++i) {
        if (!randomStrings || b.RandomInt(0, 2) == 0) {
            b.U8(0);
            continue;
        }
        b.U8(static_cast<std::uint8_t>(b.RandomInt(1, 255)));
        b.Random(63);
    }
}

void TailField(FileBuilder& b, std::size_t size, bool randomStrings) {
    const std::size_t length = randomStrings ? static_cast<std::size_t>(b.RandomInt(0, 200)) : 0;
    for (std::size_t i = 0; i < length; ++i) {
        // Letters and the stored line break only: CR and LF do not survive as raw bytes.
        b.U8(b.RandomInt(0, 9) == 0 ? '$' : static_cast<std::uint8_t>(b.RandomInt('a', 'z')));
    }
    b.Zeros(size - length);
}

}  // namespace

std::vector<std::uint8_t> GenerateMissionFile(const MissionFileOptions& options) {
    FileBuilder b(options.Seed);
    b.U16(static_cast<std::uint16_t>(options.Platform));
    const std::size_t header = b.Bytes.size();
    b.Random(kHeaderSize);
    b.Bytes[header + 0] = static_cast<std::uint8_t>(options.FlightGroups);
    b.Bytes[header + 1] = static_cast<std::uint8_t>(options.FlightGroups >> 8);
    b.Bytes[header + 2] = static_cast<std::uint8_t>(options.Messages);
    b.Bytes[header + 3] = static_cast<std::uint8_t>(options.Messages >> 8);
    for (int i = 0; i < options.FlightGroups; ++i) {
        FlightGroupRecord(b);
    }
    b.Random(static_cast<std::size_t>(options.Messages) * 162);
    b.Random(10 * 368 + 10 * 487 + 17428);
    for (int i = 0; i < 256; ++i) {
        const int length = options.RandomStrings ? b.RandomInt(0, 3) * b.RandomInt(0, 40) : 0;
        b.U16(static_cast<std::uint16_t>(length));
        b.Random(static_cast<std::size_t>(length));
    }
    b.Random(17458);
    for (std::size_t body : {234u, 44u, 88u, 6376u}) {
        const std::uint8_t hasExtra = static_cast<std::uint8_t>(b.RandomInt(0, 3));
        b.U8(hasExtra);
        b.U8(b.RandomByte());
        if (hasExtra == 1) {
            b.U8(b.RandomByte());
        }
        b.Random(body);
    }
    b.Random(26500);
    for (int i = 0; i < options.FlightGroups; ++i) {
        ShortTextEntries(b, 24,
                         options.RandomStrings && b.RandomInt(0, 99) < options.GoalStringPercent);
    }
    ShortTextEntries(b, 360, options.RandomStrings);
    b.Random(73);
    for (int i = 0; i < 1300; ++i) {
        const bool present = options.RandomStrings && b.RandomInt(0, 9) == 0;
        b.U8(present ? static_cast<std::uint8_t>(b.RandomInt(1, 255)) : 0);
        if (present) {
            b.Random(63);
        }
    }
    b.Random(2179);
    if ((options.Platform & 0xFF) == 12) {
        TailField(b, 1024, options.RandomStrings);
    } else {
        for (int i = 0; i < 3; ++i) {
            TailField(b, 4096, options.RandomStrings);
        }
    }
    return b.Bytes;
}

}  // namespace vorlan::test
