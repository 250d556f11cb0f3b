// content/maps/<name>.txt -> "DATA\<NAME>.MAP": one stage. The source format is
// described in map_source.cpp.
#include "assets/compiler.h"
#include "assets/content_folder.h"
#include "assets/map_source.h"
#include "text/data_file.h"

namespace {
bool writeMap(const MapSource& map, const std::string& target) {
    DataWriter out;
    if (!out.open(target.c_str())) return false;
    out.writeBytes("TUM1", 4);
    writeString(out, map.name.c_str());
    writeString(out, map.music.c_str());
    writeString(out, map.tileset.c_str());
    writeString(out, map.background.c_str());
    writeInt32(out, map.width);
    writeInt32(out, map.height);
    writeInt32(out, map.startX);
    writeInt32(out, map.startY);
    writeInt32(out, map.timeCode);
    int bonusCount = 0;
    for (const MapBlock& b : map.blocks)
        bonusCount += b.bonusCode > 0;
    writeInt32(out, (int32_t)map.blocks.size());
    writeInt32(out, bonusCount);
    for (const MapBlock& b : map.blocks) {
        for (int v : {b.cellX, b.cellY, b.type, b.param1, b.param2, b.param3, b.tileIndex})
            writeInt32(out, v);
        writeInt32(out, b.solid ? 1 : 0);
        writeInt32(out, b.bonusCode);
    }
    writeInt32(out, (int32_t)map.enemies.size());
    for (const MapEnemy& e : map.enemies)
        for (int v : {e.cellX, e.cellY, e.acceleration, e.jumpStrength, 0, 0, e.jumper, e.kind,
                      e.maxSpeed, e.direction, e.maxFallSpeed})
            writeInt32(out, v);
    return out.commit();
}

bool compileMaps(const std::string& contentDir) {
    bool ok = true;
    for (const std::string& path : listSources(contentDir, "maps")) {
        MapSource map;
        if (!readMapSource(contentDir, path, map)) {
            ok = false;
            continue;
        }
        std::string target = "DATA\\" + sourceStem(path, true) + ".MAP";
        if (!writeMap(map, target)) {
            sourceError(path, 0, "cannot write " + target);
            ok = false;
        }
    }
    return ok;
}
} // namespace

REGISTER_COMPILER("maps", compileMaps);
