#pragma once

#include "progress/ghost_format.h"

#include <string>

// The ghosts kept beside the best times, one for each stage's map as it is:
// "records\ghosts\<map file stem>-<map hash>.ghost" in the user folder.

std::string ghostPath(const char* mapFile, const std::string& mapHash);
// Writes a ghost under the name of its map and hash through the atomic writer;
// false when it fails (the old file stays, with a log line).
bool saveGhost(const GhostFile& ghost);
// The ghost of `mapFile` as it hashes to `mapHash`; false without one. A
// damaged file, or one that belongs to another map, gets a log line and is
// ignored.
bool loadGhost(const char* mapFile, const std::string& mapHash, GhostFile& ghost);
