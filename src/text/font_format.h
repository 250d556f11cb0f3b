#pragma once

// The font file ("DATA\FONT.FNT"): binary, little-endian. The only place that
// spells out its fields and limits:
//
//   magic "VF2006" (6 bytes, no terminator), glyph height, space width, line
//   height, entry count N, then N entries of code, x, y, width (32-bit each;
//   the game keeps their low 16 bits). Codes 0..128 are characters; a code above
//   128 is the icon drawn by "$" and the character (code - 128).

#include <cstdint>
#include <vector>

class DataReader;
class DataWriter;

constexpr char fontMagic[] = "VF2006";
constexpr int fontMagicLength = 6;
// Entry codes above this define icons ("$" + the character code - 128).
constexpr int fontIconBase = 128;
constexpr int fontMaxCode = 382;
// A font defines at most one entry per code; anything much larger is damage.
constexpr int32_t maxFontEntries = 4096;

struct FontFileEntry {
    int32_t code = 0, x = 0, y = 0, width = 0;
};

struct FontFile {
    int32_t glyphHeight = 0, spaceWidth = 0, lineHeight = 0;
    std::vector<FontFileEntry> entries;
};

// Reads the magic; false when the first six bytes are not "VF2006".
bool readFontMagic(DataReader& in);
// Reads a whole font file, magic included. False for a wrong magic, a short
// file, too many entries, a code outside 0..382 or a negative width.
bool readFontFile(DataReader& in, FontFile& out);
void writeFontFile(DataWriter& out, const FontFile& font);
