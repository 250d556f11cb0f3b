// A libFuzzer target: TUMBLO_FUZZ_TARGET names its entry in fuzz_entries.cpp.
#include "fuzz/fuzz_entries.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
// With TUMBLO_FUZZ_SEEDS_TO set, writes the target's own seeds into that folder
// and ends (tests/fuzz/run.sh adds them to the seeds from the game).
void writeOwnSeeds(const FuzzEntry& entry, const char* folder) {
    if (!entry.seeds) return;
    for (const auto& [name, bytes] : entry.seeds()) {
        std::string path = std::string(folder) + "/" + name;
        std::FILE* out = std::fopen(path.c_str(), "wb");
        if (!out) continue;
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    startFuzzPlatform();
    const FuzzEntry* entry = findFuzzEntry(TUMBLO_FUZZ_TARGET);
    if (!entry) {
        std::fprintf(stderr, "no fuzz entry %s\n", TUMBLO_FUZZ_TARGET);
        std::abort();
    }
    if (const char* folder = std::getenv("TUMBLO_FUZZ_SEEDS_TO")) {
        writeOwnSeeds(*entry, folder);
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzEntry* entry = findFuzzEntry(TUMBLO_FUZZ_TARGET);
    // A broken promise is a finding like a crash: libFuzzer keeps the input.
    if (!entry->run(data, size)) std::abort();
    return 0;
}
