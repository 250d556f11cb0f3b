#include "text/font_format.h"

#include "text/data_file.h"

#include <cstring>

bool readFontMagic(DataReader& in) {
    char magic[fontMagicLength];
    in.readBytes(magic, sizeof magic);
    return !in.failed() && std::memcmp(magic, fontMagic, fontMagicLength) == 0;
}

bool readFontFile(DataReader& in, FontFile& out) {
    if (!readFontMagic(in)) return false;
    out.glyphHeight = readInt32(in);
    out.spaceWidth = readInt32(in);
    out.lineHeight = readInt32(in);
    int32_t count = readInt32(in);
    if (in.failed() || count < 0 || count > maxFontEntries) return false;
    out.entries.resize((size_t)count);
    for (FontFileEntry& e : out.entries) {
        for (int32_t* field : {&e.code, &e.x, &e.y, &e.width})
            *field = readInt32(in);
        if (in.failed() || e.code < 0 || e.code > fontMaxCode || e.width < 0) return false;
    }
    return true;
}

void writeFontFile(DataWriter& out, const FontFile& font) {
    out.writeBytes(fontMagic, fontMagicLength);
    for (int32_t value :
         {font.glyphHeight, font.spaceWidth, font.lineHeight, (int32_t)font.entries.size()})
        writeInt32(out, value);
    for (const FontFileEntry& e : font.entries)
        for (int32_t value : {e.code, e.x, e.y, e.width})
            writeInt32(out, value);
}
