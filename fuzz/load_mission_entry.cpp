#include "load_mission_entry.h"

#include <cstdio>
#include <cstdlib>

#include "io/byte_sink.h"
#include "io/byte_source.h"
#include "io/mission_reader.h"
#include "io/mission_writer.h"

namespace vorlan {
namespace {

std::vector<std::uint8_t> Save(const Mission& mission) {
    MemoryByteSink sink;
    WriteMissionBytes(mission, sink);
    sink.Finish();
    return sink.Bytes;
}

}  // namespace

void FuzzLoadMission(const std::uint8_t* data, std::size_t size) {
    MemoryByteSource source({data, size});
    ReadResult first = ReadMission(source, ReadOptions{});
    if (first.Outcome != ReadOutcome::Loaded) {
        return;
    }
    if (first.BytesImplied - first.BytesMissing > size) {
        std::fputs("loader claims to have read past the input\n", stderr);
        std::abort();
    }
    const std::vector<std::uint8_t> saved = Save(*first.Parsed);
    MemoryByteSource again(saved);
    ReadResult second = ReadMission(again, ReadOptions{});
    if (second.Outcome != ReadOutcome::Loaded || second.BytesMissing != 0 ||
        second.BytesImplied != saved.size() || Save(*second.Parsed) != saved) {
        std::fputs("a saved mission does not load back to the same bytes\n", stderr);
        std::abort();
    }
}

}  // namespace vorlan
