// info --kind map: what the game's own map loader builds from a map file, with
// its tileset and the shared pictures of the game's data tree.
#include "tool/game_tree.h"
#include "tool/info.h"

#include "level/graphics.h"
#include "level/map.h"

namespace {
void printRect(std::FILE* out, const char* label, const Rect& r) {
    std::fprintf(out, " %s %d %d %d %d%s", label, r.x, r.y, r.width, r.height,
                 r.enabled ? "" : " off");
}

bool printMap(const char* path, std::FILE* out) {
    loadPlayGraphics();
    if (!buildCommandLineMap(path)) return false;
    const Map& m = currentMap;
    std::fprintf(out, "map %s\nname \"%s\"\nmusic %s\ntileset %s (%d tiles)\n", path, m.name,
                 m.musicFile, m.tilesetFile, m.tileCount);
    std::fprintf(out, "size %d x %d cells\n", m.width, m.height);
    if (m.background) std::fprintf(out, "background strip %d x %d\n", m.background.width(), 240);
    std::fprintf(out, "start %d %d\ntime limit %d s\nblocks %d\n", m.startX, m.startY, m.timeLimit,
                 m.blockCount);
    for (int i = 0; i < m.blockCount; ++i) {
        const BlockData& b = m.blocks[i];
        std::fprintf(out, "block %d type %d params %g %g %g tile %d solid %d", i, b.type, b.param1,
                     b.param2, b.param3, b.tileIndex, b.solidRect.enabled ? 1 : 0);
        printRect(out, "solidRect", b.solidRect);
        printRect(out, "surfaceRect", b.surfaceRect);
        std::fprintf(out, "\n");
    }
    std::fprintf(out, "treasures %d gold %d\n", m.bonusCount, m.goldTotal);
    for (int i = 0; i < m.bonusCount; ++i) {
        const Bonus& b = m.bonuses[i];
        std::fprintf(out, "treasure %d %s kind %d at %d %d\n", i, b.kind == 0 ? "gold" : "cup",
                     b.kind, b.x, b.y);
    }
    std::fprintf(out, "enemies %d\n", enemyCount);
    for (int i = 0; i < enemyCount; ++i) {
        const Enemy& e = enemies[i];
        std::fprintf(out,
                     "enemy %d kind %d at %g %g direction %d acceleration %g maxSpeed %g "
                     "maxFallSpeed %g jumper %d jumpStrength %d\n",
                     i, e.kind, e.x, e.y, e.direction, e.acceleration, e.maxSpeed, e.maxFallSpeed,
                     e.jumper, e.jumpStrength);
    }
    return true;
}
} // namespace

REGISTER_INFO_KIND("map", printMap);
