#pragma once

#include <string>
#include <vector>

// A stage as the map compiler reads it from its text source, already in the
// units of the map file.
struct MapBlock {
    int cellX = 0, cellY = 0;
    int type = 0;
    int param1 = 0, param2 = 0, param3 = 0;
    int tileIndex = 0;
    bool solid = false;
    int bonusCode = 0; // 0 none, 1 gold, 2 cup
};

struct MapEnemy {
    int cellX = 0, cellY = 0; // cellY as stored: two rows below the enemy's cell
    int acceleration = 0, jumpStrength = 0, jumper = 0, kind = 0;
    int maxSpeed = 0, direction = 0, maxFallSpeed = 0;
};

struct MapSource {
    std::string name, music, tileset, background;
    int width = 0, height = 0;
    int startX = 0, startY = 0;
    int timeCode = 0;
    std::vector<MapBlock> blocks;
    std::vector<MapEnemy> enemies;
};

// Reads content/maps/<name>.txt; the tileset it names is looked up among the
// tileset sources under contentDir so that tiles can be named.
bool readMapSource(const std::string& contentDir, const std::string& path, MapSource& map);
