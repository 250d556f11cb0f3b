#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// One reader of outside data, fed any bytes: the body of a libFuzzer target,
// shared with the unit test that replays every input a fuzzer ever kept. A
// refused input is no failure; `run` returns false only when the reader broke a
// promise of its own (what it accepted does not survive being written and read
// again, two decoders of one picture disagree).
struct FuzzEntry {
    const char* name;
    bool (*run)(const uint8_t* data, size_t size);
    // Seeds made here, for kinds of input the built game does not hold (the
    // sounds of other programs); null when the game's files are seed enough.
    std::vector<std::pair<std::string, std::vector<uint8_t>>> (*seeds)() = nullptr;
};

// Starts what the readers need: the platform headless (pictures are bitmaps of
// the library), messages to stderr instead of the screen.
void startFuzzPlatform();
const FuzzEntry* fuzzEntries(size_t& count);
const FuzzEntry* findFuzzEntry(const char* name);
