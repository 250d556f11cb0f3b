#pragma once

class DataReader;

// The header texts' fields: 39 bytes for name, tune and tileset, 79 for the
// background picture (terminator included in these capacities).
constexpr int mapTextCapacity = 40;
constexpr int mapBackgroundCapacity = 80;

// Opens "DATA\" + fileName and checks the magic "TUM1" (any letter case); shows
// the map loaders' error message and gives false when either fails.
bool openMapFile(const char* fileName, DataReader& in);
// The message for a map file whose content cannot be used.
void reportInvalidMap(const char* fileName);
