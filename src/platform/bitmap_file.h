#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct BITMAP;

// The game's one picture loader. A ".BMP" in any of the variants that painting
// programs write (bmp_decode.h), converted to the colour depth of the frame;
// pixels with zero alpha become the mask colour. Null when it cannot be loaded.
BITMAP* loadBitmap(const char* gamePath);
// The same for a path of the operating system, taken as it is (the tool).
BITMAP* loadBitmapFile(const std::string& path);
// The same for the bytes of a file already in memory.
BITMAP* bitmapFromBmp(const uint8_t* data, size_t size);
// Destroys a bitmap if there is one and forgets it.
void destroyBitmap(BITMAP*& bitmap);

// A picture file is read whole; anything larger than the largest picture
// accepted is not one.
constexpr long maxBitmapFileBytes = 96L << 20;
