#pragma once

#include "text/text_utils.h"

#include <string>

// The game's loaders take names below "DATA\"; on the command line a file may be
// given with that folder ("DATA/LEVEL1.MAP") or without it ("LEVEL1.MAP").
inline std::string nameBelowData(const char* path) {
    std::string p = path;
    if (p.size() > 5 && (p[4] == '/' || p[4] == '\\') &&
        equalsIgnoreCase(p.substr(0, 4).c_str(), "DATA"))
        return p.substr(5);
    return p;
}
