#pragma once

#include "assets/map_source.h"

#include <string>

// What makes a stage unplayable before any search: no start, no goal, the
// start inside a block, a teleport to nowhere, an enemy inside a wall, a stage
// larger than the map format holds. The fault in the editor's words, or ""
// when there is none of these.
std::string stageFault(const StageSource& stage);
