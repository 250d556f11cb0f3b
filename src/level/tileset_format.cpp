#include "level/tileset_format.h"

#include "text/data_file.h"

bool readTilesetFile(DataReader& in, TilesetFile& out) {
    out.entries.clear();
    int32_t count = readInt32(in);
    if (in.failed() || count < 0 || count > maxTiles) return false;
    out.entries.resize((size_t)count);
    char text[maxStringLength + 1];
    for (TilesetEntry& e : out.entries) {
        readString(text, in);
        e.bitmapFile = text;
        readString(text, in);
        e.animationFile = text;
        e.width = readInt32(in);
        e.height = readInt32(in);
        if (in.failed()) return false;
        if (e.width < 1 || e.width > maxTileSize || e.height < 1 || e.height > maxTileSize)
            return false;
    }
    return true;
}

void writeTilesetFile(DataWriter& out, const TilesetFile& tileset) {
    writeInt32(out, (int32_t)tileset.entries.size());
    for (const TilesetEntry& e : tileset.entries) {
        writeString(out, e.bitmapFile.c_str());
        writeString(out, e.animationFile.c_str());
        writeInt32(out, e.width);
        writeInt32(out, e.height);
    }
}
