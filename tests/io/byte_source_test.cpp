// Reading many records straight into place must give what reading them one by one gives,
// wherever the buffer and the end of the file fall.

#include "io/byte_source.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace vorlan {
namespace {

struct Outcome {
    std::vector<std::uint8_t> records;
    std::uint8_t after = 0;
    std::uint64_t position = 0;
    std::uint64_t missing = 0;
};

// Skips `lead` bytes, reads `count` records of `size` bytes, then one byte more.
template <class MakeSource>
Outcome ReadRecords(MakeSource make, std::size_t lead, std::size_t count, std::size_t size,
                    bool scattered) {
    auto source = make();
    source->Skip(lead);
    Outcome out;
    out.records.assign(count * size, 0xEE);
    if (scattered) {
        std::vector<std::uint8_t*> places;
        for (std::size_t i = 0; i < count; ++i) {
            places.push_back(out.records.data() + i * size);
        }
        source->ReadEach(places, size);
    } else {
        for (std::size_t i = 0; i < count; ++i) {
            source->Read(out.records.data() + i * size, size);
        }
    }
    out.after = source->ReadU8();
    out.position = source->Position();
    out.missing = source->Missing();
    EXPECT_FALSE(source->Failed()) << source->Error();
    return out;
}

TEST(ByteSource, ReadEachMatchesReadingOneByOne) {
    test::TempDir dir;
    std::vector<std::uint8_t> bytes(300000);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 31 + i / 251);
    }
    test::WriteFileBytes(dir.File("f"), bytes);
    const int fd = ::open(dir.File("f").c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);

    const std::size_t size = 3646;
    // Leads that put the first record inside, across and just past the buffer's first fill.
    for (std::size_t lead : {0ul, 1ul, 65536ul - 3646ul, 65530ul, 65536ul, 100000ul}) {
        // Counts that end inside the file, exactly at its end, and past it.
        for (std::size_t count : {1ul, 20ul, (300000ul - lead) / size, 90ul}) {
            auto fromFile = [&] {
                ::lseek(fd, 0, SEEK_SET);
                return std::make_unique<FileByteSource>(fd, "f");
            };
            auto fromMemory = [&] { return std::make_unique<MemoryByteSource>(bytes); };
            const Outcome expected = ReadRecords(fromMemory, lead, count, size, false);
            for (const Outcome& got : {ReadRecords(fromFile, lead, count, size, true),
                                       ReadRecords(fromMemory, lead, count, size, true),
                                       ReadRecords(fromFile, lead, count, size, false)}) {
                EXPECT_EQ(got.records, expected.records) << "lead " << lead << " count " << count;
                EXPECT_EQ(got.after, expected.after);
                EXPECT_EQ(got.position, expected.position);
                EXPECT_EQ(got.missing, expected.missing) << "lead " << lead << " count " << count;
            }
        }
    }
    ::close(fd);
}

TEST(ByteSource, PastTheEndReadsZerosAndCountsThem) {
    const std::vector<std::uint8_t> bytes = {1, 2, 3};
    MemoryByteSource source(bytes);
    std::uint8_t out[5] = {9, 9, 9, 9, 9};
    source.Read(out, 5);
    EXPECT_EQ(std::vector<std::uint8_t>(out, out + 5), (std::vector<std::uint8_t>{1, 2, 3, 0, 0}));
    EXPECT_EQ(source.ReadU16(), 0);
    EXPECT_EQ(source.Missing(), 4u);
    EXPECT_EQ(source.Position(), 7u);
}

}  // namespace
}  // namespace vorlan
