#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The whole of a file at a system path, for loaders that decode from memory.
// False (and no bytes) when it cannot be opened or read, is empty, or is larger
// than `maxBytes`, which no file of the kind it was asked for would be.
bool readFileBytes(const std::string& path, long maxBytes, std::vector<uint8_t>& bytes);
