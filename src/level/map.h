#pragma once

// The map file of a stage ("DATA\" + name): magic "TUM1", then name, tune,
// tileset, background, size, start, time code, blocks and enemies.

// Reads only the stage name of a map into `out` (at least 80 bytes) and returns
// `out`; on failure reports it and leaves `out` untouched.
char* readMapName(const char* fileName, char* out);
