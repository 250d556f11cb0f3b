#pragma once

#include "level/map_format.h"

#include <string>

// Reads content/maps/<name>.txt into the map file's own record, checked against
// the map file's limits; the tileset it names is looked up among the tileset
// sources under contentDir so that tiles can be named.
bool readMapSource(const std::string& contentDir, const std::string& path, MapFile& map);
