#pragma once

// The tileset file ("DATA\*.TLS"): binary, little-endian, no magic. The only
// place that spells out its fields and limits:
//
//   tileCount, then per tile: bitmap path, animation path ("" for none; both
//   texts of at most 79 bytes, folders included), frame width, frame height.

#include <cstdint>
#include <string>
#include <vector>

class DataReader;
class DataWriter;

// Far beyond any real tileset; a damaged count or size must not allocate wildly
// or give blocks absurd collision rectangles.
constexpr int32_t maxTiles = 4096;
constexpr int32_t maxTileSize = 1024; // width and height, each at least 1

struct TilesetEntry {
    std::string bitmapFile;
    std::string animationFile;
    int32_t width = 16;
    int32_t height = 16;
    bool operator==(const TilesetEntry&) const = default;
};

// The contents of a tileset file, read and checked but with nothing loaded yet,
// so that a map can still be refused without touching the tiles in play.
struct TilesetFile {
    std::vector<TilesetEntry> entries;
};

// False when the file is short, a text does not fit or a number is outside the
// limits above. No message, no globals.
bool readTilesetFile(DataReader& in, TilesetFile& out);
// Writes the tiles as given.
void writeTilesetFile(DataWriter& out, const TilesetFile& tileset);
