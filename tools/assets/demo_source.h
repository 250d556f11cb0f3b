#pragma once

#include "game/demo_format.h"

#include <string>

// Reads a demo's text source (the format of game/demo_text.h); false, with the
// error against the source's line, when it is not a demo.
bool readDemoSource(const std::string& path, DemoFile& demo);
