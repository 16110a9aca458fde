// A libFuzzer executable around one entry point, chosen when it is built.

#include <cstddef>
#include <cstdint>

#include "load_mission_entry.h"
#include "text_file_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vorlan::VORLAN_FUZZ_ENTRY(data, size);
    return 0;
}
