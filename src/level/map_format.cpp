#include "level/map_format.h"

#include "text/data_file.h"
#include "text/text_utils.h"

namespace {
bool cellInRange(int32_t cell) {
    return cell >= -maxMapCell && cell <= maxMapCell;
}

bool readText(DataReader& in, std::string& out, int capacity) {
    char text[mapBackgroundCapacity];
    readString(text, in, capacity);
    out = text;
    return !in.failed();
}

bool readBlocks(DataReader& in, MapFile& map) {
    int32_t count = readInt32(in);
    map.bonusCount = readInt32(in);
    if (in.failed() || count < 0 || count > maxMapBlocks) return false;
    map.blocks.resize((size_t)count);
    for (MapBlockRecord& b : map.blocks) {
        for (int32_t* field : {&b.cellX, &b.cellY, &b.type, &b.param1, &b.param2, &b.param3,
                               &b.tileIndex, &b.solid, &b.bonusCode})
            *field = readInt32(in);
        if (in.failed() || !cellInRange(b.cellX) || !cellInRange(b.cellY)) return false;
    }
    return true;
}

bool readEnemies(DataReader& in, MapFile& map) {
    int32_t count = readInt32(in);
    if (in.failed() || count < 0 || count > maxMapEnemies) return false;
    map.enemies.resize((size_t)count);
    for (MapEnemyRecord& e : map.enemies) {
        for (int32_t* field :
             {&e.cellX, &e.cellY, &e.acceleration, &e.jumpStrength, &e.reserved1, &e.reserved2,
              &e.jumper, &e.kind, &e.maxSpeed, &e.direction, &e.maxFallSpeed})
            *field = readInt32(in);
        if (in.failed() || !cellInRange(e.cellX) || !cellInRange(e.cellY)) return false;
        // Only the three kinds have graphics and a behaviour.
        if (e.kind < 0 || e.kind >= enemyKindCount) return false;
    }
    return true;
}
} // namespace

int32_t mapTreasureCount(const MapFile& map) {
    int32_t count = 0;
    for (const MapBlockRecord& b : map.blocks)
        if (b.bonusCode > 0) ++count;
    return count;
}

bool readMapMagic(DataReader& in) {
    char magic[5] = {};
    in.readBytes(magic, 4);
    return !in.failed() && equalsIgnoreCase(magic, mapMagic);
}

bool readMapFile(DataReader& in, MapFile& map) {
    if (!readMapMagic(in)) return false;
    if (!readText(in, map.name, mapTextCapacity) || !readText(in, map.musicFile, mapTextCapacity) ||
        !readText(in, map.tilesetFile, mapTextCapacity) ||
        !readText(in, map.backgroundFile, mapBackgroundCapacity))
        return false;
    for (int32_t* field : {&map.width, &map.height, &map.startX, &map.startY, &map.timeCode})
        *field = readInt32(in);
    if (in.failed()) return false;
    if (map.width < 1 || map.width > maxMapCells || map.height < 1 || map.height > maxMapCells)
        return false;
    if (map.timeCode < minMapTimeCode || map.timeCode > maxMapTimeCode) return false;
    return readBlocks(in, map) && readEnemies(in, map);
}

bool readMapFileName(DataReader& in, std::string& name) {
    return readMapMagic(in) && readText(in, name, mapTextCapacity);
}

void writeMapFile(DataWriter& out, const MapFile& map) {
    out.writeBytes(mapMagic, 4);
    for (const std::string* text :
         {&map.name, &map.musicFile, &map.tilesetFile, &map.backgroundFile})
        writeString(out, text->c_str());
    for (int32_t value : {map.width, map.height, map.startX, map.startY, map.timeCode})
        writeInt32(out, value);
    writeInt32(out, (int32_t)map.blocks.size());
    writeInt32(out, mapTreasureCount(map));
    for (const MapBlockRecord& b : map.blocks)
        for (int32_t v : {b.cellX, b.cellY, b.type, b.param1, b.param2, b.param3, b.tileIndex,
                          b.solid, b.bonusCode})
            writeInt32(out, v);
    writeInt32(out, (int32_t)map.enemies.size());
    for (const MapEnemyRecord& e : map.enemies)
        for (int32_t v : {e.cellX, e.cellY, e.acceleration, e.jumpStrength, e.reserved1,
                          e.reserved2, e.jumper, e.kind, e.maxSpeed, e.direction, e.maxFallSpeed})
            writeInt32(out, v);
}
