#include <cstddef>
#include <cstdint>

#include "load_mission_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vorlan::FuzzLoadMission(data, size);
    return 0;
}
