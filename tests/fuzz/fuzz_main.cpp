// A libFuzzer target: TUMBLO_FUZZ_TARGET names its entry in fuzz_entries.cpp.
#include "fuzz/fuzz_entries.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    startFuzzPlatform();
    if (!findFuzzEntry(TUMBLO_FUZZ_TARGET)) {
        std::fprintf(stderr, "no fuzz entry %s\n", TUMBLO_FUZZ_TARGET);
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzEntry* entry = findFuzzEntry(TUMBLO_FUZZ_TARGET);
    // A broken promise is a finding like a crash: libFuzzer keeps the input.
    if (!entry->run(data, size)) std::abort();
    return 0;
}
