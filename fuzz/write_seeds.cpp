// Writes each fuzz target's seed inputs into <directory>/<target>/, one file per seed, so that
// libFuzzer starts from the project's own files. Usage: fuzz_write_seeds <directory>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "fuzz_targets.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: fuzz_write_seeds <directory>\n", stderr);
        return 2;
    }
    for (const vorlan::FuzzTarget& target : vorlan::FuzzTargets()) {
        const std::filesystem::path dir = std::filesystem::path(argv[1]) / target.Name;
        std::filesystem::create_directories(dir);
        int index = 0;
        for (const vorlan::FuzzInput& seed : target.Seeds()) {
            std::ofstream out(dir / ("seed-" + std::to_string(index++)), std::ios::binary);
            out.write(reinterpret_cast<const char*>(seed.data()),
                      static_cast<std::streamsize>(seed.size()));
            if (!out) {
                std::fprintf(stderr, "cannot write %s\n", dir.c_str());
                return 1;
            }
        }
    }
    return 0;
}
