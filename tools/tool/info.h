#pragma once

#include <cstdio>

// One kind of data file that `info` can print. The printer reads the file named
// on the command line (`path` as the user gave it; see game_tree.h) with the
// game's own readers and returns false when the file is refused.
using InfoPrinter = bool (*)(const char* path, std::FILE* out);

struct InfoKindRegistration {
    InfoKindRegistration(const char* name, InfoPrinter printer);
};

#define REGISTER_INFO_KIND(name, printer)                                                          \
    static InfoKindRegistration infoKind_##printer(name, printer)

// The kind a file is recognised as, by magic, extension or well-known name;
// null when it is not recognised.
const char* detectKind(const char* path);
