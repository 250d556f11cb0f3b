#pragma once

// A ghost: the ball's path through a best clear of one stage, drawn in later
// training runs of that stage. "records\ghosts\<map file stem>-<map hash>.ghost"
// in the user folder, a binary file of our own, little-endian, made of the data
// primitives. The only place that spells out its fields and limits:
//
//   magic "TGHO", version (1), map file (text of at most 79 bytes, relative to
//   "DATA\"), map hash (text: 16 hexadecimal digits), clear tick (0 to
//   10 000 000), sample count (1 to 74 500), then per tick from 0: the ball's
//   x and y (32-bit IEEE floats, finite, within 2^24 of 0), its picture's
//   column in the ball's sheet and its row (bytes; column 255 when nothing was
//   drawn: the ball was gone).

#include <cstdint>
#include <string>
#include <vector>

class DataReader;
class DataWriter;

constexpr char ghostMagic[4] = {'T', 'G', 'H', 'O'};
constexpr int32_t ghostVersion = 1;
// More than twenty minutes of ticks: longer than any stage.
constexpr int32_t maxGhostSamples = 74500;
constexpr float maxGhostCoordinate = 16777216.0f;
constexpr uint8_t ghostHidden = 255;

// Where the ball was after one tick, and what it looked like.
struct GhostSample {
    float x = 0;
    float y = 0;
    uint8_t column = ghostHidden;
    uint8_t row = 0;
    bool operator==(const GhostSample&) const = default;
};

struct GhostFile {
    std::string mapFile;
    std::string mapHash;
    int32_t clearTick = 0;
    std::vector<GhostSample> samples;
    bool operator==(const GhostFile&) const = default;
};

// False when the file is not a whole ghost within the limits above.
bool readGhostFile(DataReader& in, GhostFile& out);
void writeGhostFile(DataWriter& out, const GhostFile& ghost);
