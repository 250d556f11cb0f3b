#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/picture.h"

// The game's one picture loader. A ".BMP" in any of the variants that painting
// programs write (bmp_decode.h), converted to the colour depth of the frame;
// pixels with zero alpha become the mask colour. Empty when it cannot be loaded.
Picture loadBitmap(const char* gamePath);
// The same for a path of the operating system, taken as it is (the tool).
Picture loadBitmapFile(const std::string& path);
// The same for the bytes of a file already in memory.
Picture bitmapFromBmp(const uint8_t* data, size_t size);

// Writes a picture as an uncompressed ".BMP" at a path of the operating system
// (tests and tools keep pictures of screens this way); false when it fails.
bool saveBitmapFile(const Picture& picture, const std::string& path);

// A picture file is read whole; anything larger than the largest picture
// accepted is not one.
constexpr long maxBitmapFileBytes = 96L << 20;
