#include "load_mission_entry.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "io/byte_sink.h"
#include "io/byte_source.h"
#include "io/mission_format.h"
#include "io/mission_reader.h"
#include "io/mission_writer.h"
#include "model/record_layouts.h"

namespace vorlan {
namespace {

std::vector<std::uint8_t> Save(const Mission& mission, std::size_t expectedSize) {
    MemoryByteSink sink;
    sink.Bytes.reserve(expectedSize);
    WriteMissionBytes(mission, sink);
    sink.Finish();
    return sink.Bytes;
}

}  // namespace

bool PromisesFarMoreThanItHolds(const std::uint8_t* data, std::size_t size) {
    // The loader reads bytes past the end as zeros, count bytes too.
    auto byteAt = [&](std::size_t at) -> std::size_t { return at < size ? data[at] : 0; };
    const std::size_t countsAt = kPlatformWordSize;
    const std::size_t groups = byteAt(countsAt) | byteAt(countsAt + 1) << 8;
    const std::size_t messages = byteAt(countsAt + 2) | byteAt(countsAt + 3) << 8;
    // The records the counts promise, without the variable sections that follow them.
    const std::size_t promised = kPlatformWordSize + HeaderRec::Tag::kSize +
                                 groups * FGRec::Tag::kSize + messages * MsgRec::Tag::kSize;
    // Enough slack that short files still reach the reading of missing bytes as zeros.
    constexpr std::size_t kSlack = 16 * FGRec::Tag::kSize;
    return promised > size + kSlack;
}

void FuzzLoadMission(const std::uint8_t* data, std::size_t size) {
    // Such files only repeat one case (records made from zeros) at great cost; the loader's
    // handling of them is tested on its own.
    if (PromisesFarMoreThanItHolds(data, size)) {
        return;
    }
    MemoryByteSource source({data, size});
    ReadResult first = ReadMission(source, ReadOptions{});
    if (first.Outcome != ReadOutcome::Loaded) {
        return;
    }
    if (first.BytesImplied - first.BytesMissing > size) {
        std::fputs("loader claims to have read past the input\n", stderr);
        std::abort();
    }
    const std::vector<std::uint8_t> saved = Save(*first.Parsed, size);
    // Reading is deterministic: a save that gave back the input's own bytes reads back as the
    // first reading did and saves the same again.
    if (std::equal(saved.begin(), saved.end(), data, data + size)) {
        return;
    }
    MemoryByteSource again(saved);
    ReadResult second = ReadMission(again, ReadOptions{});
    if (second.Outcome != ReadOutcome::Loaded || second.BytesMissing != 0 ||
        second.BytesImplied != saved.size() || Save(*second.Parsed, saved.size()) != saved) {
        std::fputs("a saved mission does not load back to the same bytes\n", stderr);
        std::abort();
    }
}

}  // namespace vorlan
