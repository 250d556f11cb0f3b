#pragma once

#include "game/demo_format.h"

#include <string>

// A demo as readable text, so that solution demos can be kept as sources that a
// diff explains, and any demo file printed back as such a source:
//
//   map      TROP01.MAP
//   died     0
//   title    Sunny Start
//   clear    00:06:30
//   cups     1
//   steering
//   right 120
//   none 6
//   left 12
//
// "format N" may come first (1 when left out). The steering runs end at the
// last tick that steers; the rest of the file's ticks steer nothing. A byte
// other than none, left and right is written "raw VALUE COUNT". "#" starts a
// comment line.

std::string demoToText(const DemoFile& demo);
// False with `error` ("line N: what") when the text is not a demo.
bool demoFromText(const std::string& text, DemoFile& demo, std::string& error);
