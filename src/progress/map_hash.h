#pragma once

#include <string>

// What a stage's content is, for the records kept against it: a hash (64-bit
// FNV-1a) of its map file "DATA\" + mapFile, as 16 lower-case hexadecimal
// digits; "" when the file cannot be read. A changed map has another hash, so
// its old records are told apart from new ones.
std::string mapFileHash(const char* mapFile);
