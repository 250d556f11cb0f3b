// The text source of a stage:
//
//   name        Palm Beach            the header: texts may hold spaces
//   tune        TROPICAL.IT           relative to MUSIC
//   tileset     TROPICAL.TLS          relative to DATA; its source names the tiles
//   background  BG02.BMP              relative to BITMAP\BG
//   time        1                     time limit 30 x N + 90 seconds (N from -2:
//                                     30 s; -3 would leave no time at all)
//   start       2 11                  the ball's start cell (or "2 11 px": pixels)
//   key  g  plain  top  solid  gold   a grid letter: block type, tile (name or
//   key  ^  bounce bounce solid rise 8          index), solid|passable, none|gold|cup,
//   key  T  teleport teleport solid to 30 4     rise speed, target cell
//   enemy 12 10 hurter left speed 100 accel 20 fall 800 jump 0
//   grid                              every line after this is a row of cells;
//   ....                              "." and " " are empty
//
// An enemy is given by the cell it stands in. A treasure sits on top of its
// block, so a floating one is a passable block one row below it.
#include "assets/map_source.h"
#include "assets/content_folder.h"
#include "assets/tileset_source.h"
#include "text/data_file.h"

#include <map>

namespace {
constexpr int maxNameLength = mapTextCapacity - 1;
constexpr int maxBackgroundLength = mapBackgroundCapacity - 1;
constexpr int minWidth = 20, minHeight = 15; // one screen: the camera needs it
// The shortest clock a stage may have: 30 s. The format reads down to code -3,
// which starts a stage with no time left.
constexpr int32_t minPlayableTimeCode = -2;

const char* const blockTypes[] = {"plain", "bounce", "hurt", "marker", "goal", "teleport"};
const char* const enemyKinds[] = {"bouncer", "hurter", "pusher"};

int wordIndex(const std::string& word, const char* const* list, int count) {
    for (int i = 0; i < count; ++i)
        if (word == list[i]) return i;
    return -1;
}

struct Legend {
    MapBlockRecord block; // cell not yet set
    int line = 0;
    bool hasTarget = false;
    int targetX = 0, targetY = 0; // cells
};

class MapParser {
public:
    MapParser(const std::string& contentDir, MapFile& map) : contentDir(contentDir), map(map) {}
    bool parse(const std::string& path);

private:
    bool error(int line, const std::string& message) {
        sourceError(file.path(), line, message);
        return false;
    }
    bool headerText(const SourceLine& here, const std::string& key, std::string& field,
                    int maxBytes);
    bool parseStart(const SourceLine& here, const std::vector<std::string>& words);
    bool parseKey(const SourceLine& here, const std::vector<std::string>& words);
    bool parseEnemy(const SourceLine& here, const std::vector<std::string>& words);
    bool parseGrid(size_t first);
    bool finish();

    const std::string& contentDir;
    MapFile& map;
    SourceFile file;
    TilesetSource tileset;
    bool tilesetRead = false;
    std::map<char, Legend> legend;
    std::vector<std::pair<int, MapEnemyRecord>> enemyLines;
    int startLine = 0, timeLine = 0;
    bool startInPixels = false, gridSeen = false;
    std::vector<Legend> placed;
};

bool MapParser::headerText(const SourceLine& here, const std::string& key, std::string& field,
                           int maxBytes) {
    field = textAfterKeyword(here.text, key);
    if (field.empty()) return error(here.number, key + " needs a text");
    return checkTextFits(file, here.number, ("the " + key).c_str(), field, maxBytes);
}

bool MapParser::parseStart(const SourceLine& here, const std::vector<std::string>& words) {
    startInPixels = words.size() == 4 && words[3] == "px";
    if ((words.size() != 3 && !startInPixels) || !parseInt(words[1], map.startX) ||
        !parseInt(words[2], map.startY))
        return error(here.number, "start needs a cell X Y, or X Y px for pixels");
    startLine = here.number;
    return true;
}

bool MapParser::parseKey(const SourceLine& here, const std::vector<std::string>& words) {
    if (!tilesetRead) return error(here.number, "the tileset must be named before the keys");
    if (words.size() < 5 || words[1].size() != 1 || words[1] == ".")
        return error(here.number, "expected key LETTER TYPE TILE solid|passable [options]");
    char letter = words[1][0];
    if (legend.count(letter))
        return error(here.number, std::string("key ") + letter + " is already defined on line " +
                                      std::to_string(legend[letter].line));
    Legend entry;
    entry.line = here.number;
    MapBlockRecord& b = entry.block;
    b.type = wordIndex(words[2], blockTypes, 6);
    if (b.type < 0)
        return error(here.number, "unknown block type '" + words[2] +
                                      "' (plain, bounce, hurt, marker, goal, teleport)");
    b.tileIndex = tileset.find(words[3]);
    int index = -1;
    if (b.tileIndex < 0 && parseInt(words[3], index) && index >= 0 &&
        index < (int)tileset.tiles.size())
        b.tileIndex = index;
    if (b.tileIndex < 0)
        return error(here.number, "tile '" + words[3] + "' is not in " + map.tilesetFile);
    if (words[4] != "solid" && words[4] != "passable")
        return error(here.number, "expected solid or passable, not '" + words[4] + "'");
    b.solid = words[4] == "solid" ? 1 : 0;
    bool hasRise = false;
    for (size_t i = 5; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w == "none" || w == "gold" || w == "cup") {
            b.bonusCode = w == "gold" ? 1 : w == "cup" ? 2 : 0;
        } else if (w == "rise" && b.type == 1 && i + 1 < words.size() &&
                   parseInt(words[i + 1], b.param1) && b.param1 > 0 && b.param1 <= 28) {
            hasRise = true;
            ++i;
        } else if (w == "to" && b.type == 5 && i + 2 < words.size() &&
                   parseInt(words[i + 1], entry.targetX) && parseInt(words[i + 2], entry.targetY)) {
            entry.hasTarget = true;
            i += 2;
        } else {
            return error(here.number, "unexpected '" + w +
                                          "' (options: none, gold, cup; rise 1-28 for bounce; "
                                          "to X Y for teleport)");
        }
    }
    if (b.type == 1 && !hasRise) return error(here.number, "a bounce block needs rise N");
    if (b.type == 5 && !entry.hasTarget) return error(here.number, "a teleport needs to X Y");
    legend[letter] = entry;
    return true;
}

bool MapParser::parseEnemy(const SourceLine& here, const std::vector<std::string>& words) {
    MapEnemyRecord e;
    e.acceleration = 20;
    e.maxSpeed = 100;
    e.maxFallSpeed = 800;
    const char* usage = "expected enemy X Y bouncer|hurter|pusher left|right|still "
                        "[speed N] [accel N] [fall N] [jump N]";
    if (words.size() < 5 || words.size() % 2 == 0 || !parseInt(words[1], e.cellX) ||
        !parseInt(words[2], e.cellY))
        return error(here.number, usage);
    e.kind = wordIndex(words[3], enemyKinds, 3);
    const std::string& dir = words[4];
    if (e.kind < 0 || (dir != "left" && dir != "right" && dir != "still"))
        return error(here.number, usage);
    e.direction = dir == "left" ? -1 : dir == "right" ? 1 : 0;
    for (size_t i = 5; i + 1 < words.size(); i += 2) {
        int value = 0;
        if (!parseInt(words[i + 1], value) || value < 0 || value > 2800)
            return error(here.number, words[i] + " needs a number from 0 to 2800");
        if (words[i] == "speed")
            e.maxSpeed = value;
        else if (words[i] == "accel")
            e.acceleration = value;
        else if (words[i] == "fall")
            e.maxFallSpeed = value;
        else if (words[i] == "jump")
            e.jumpStrength = value, e.jumper = value > 0;
        else
            return error(here.number, usage);
    }
    enemyLines.push_back({here.number, e});
    return true;
}

bool MapParser::parseGrid(size_t first) {
    const auto& lines = file.lines();
    // Blank lines after the last row are an editor's doing, not a row of cells.
    size_t end = lines.size();
    while (end > first && lines[end - 1].text.empty())
        --end;
    for (size_t i = first; i < end; ++i) {
        const SourceLine& row = lines[i];
        int y = (int)(i - first);
        if (y == 0) map.width = (int)row.text.size();
        if ((int)row.text.size() != map.width)
            return error(row.number, "row is " + std::to_string(row.text.size()) +
                                         " cells wide; the first row has " +
                                         std::to_string(map.width));
        for (int x = 0; x < map.width; ++x) {
            char c = row.text[x];
            if (c == '.' || c == ' ') continue;
            auto found = legend.find(c);
            if (found == legend.end())
                return error(row.number, std::string("letter '") + c + "' in column " +
                                             std::to_string(x) + " has no key");
            Legend cell = found->second;
            cell.block.cellX = x;
            cell.block.cellY = y;
            placed.push_back(cell);
        }
        map.height = y + 1;
    }
    return true;
}

bool MapParser::finish() {
    if (map.name.empty() || map.musicFile.empty() || map.tilesetFile.empty() ||
        map.backgroundFile.empty() || !startLine || !timeLine || !gridSeen)
        return error(0, "a map needs name, tune, tileset, background, time, start and grid");
    if (map.width < minWidth || map.height < minHeight || map.width > maxMapCells ||
        map.height > maxMapCells)
        return error(0, "the grid is " + std::to_string(map.width) + " x " +
                            std::to_string(map.height) + " cells; at least 20 x 15 (one screen), " +
                            "at most " + std::to_string(maxMapCells) + " each way");
    if (!startInPixels) {
        map.startX *= 16;
        map.startY *= 16;
    }
    if (map.startX < 0 || map.startY < 0 || map.startX >= map.width * 16 ||
        map.startY >= map.height * 16)
        return error(startLine, "the start lies outside the map");
    bool hasGoal = false;
    // Actors start with "last marker" 0, so block 0 must not be a turn marker:
    // the markers go last.
    for (int pass = 0; pass < 2; ++pass)
        for (const Legend& cell : placed) {
            if ((cell.block.type == 3) != (pass == 1)) continue;
            MapBlockRecord b = cell.block;
            if (cell.hasTarget) {
                if (cell.targetX < 0 || cell.targetY < 0 || cell.targetX >= map.width ||
                    cell.targetY >= map.height)
                    return error(cell.line, "the teleport target lies outside the map");
                b.param1 = cell.targetX * 16;
                b.param2 = cell.targetY * 16;
            }
            hasGoal = hasGoal || b.type == 4;
            map.blocks.push_back(b);
        }
    if (!hasGoal) return error(0, "the map has no goal block");
    if ((int32_t)map.blocks.size() > maxMapBlocks)
        return error(0, std::to_string(map.blocks.size()) + " blocks; a map holds at most " +
                            std::to_string(maxMapBlocks));
    if ((int32_t)enemyLines.size() > maxMapEnemies)
        return error(0, std::to_string(enemyLines.size()) + " enemies; a map holds at most " +
                            std::to_string(maxMapEnemies));
    for (auto& [line, e] : enemyLines) {
        if (e.cellX < 0 || e.cellY < 0 || e.cellX >= map.width || e.cellY >= map.height)
            return error(line, "the enemy stands outside the map");
        e.cellY += 2; // the file counts two rows below the enemy's cell
        map.enemies.push_back(e);
    }
    return true;
}

bool MapParser::parse(const std::string& path) {
    if (!file.read(path)) return false;
    const auto& lines = file.lines();
    for (size_t i = 0; i < lines.size(); ++i) {
        const SourceLine& here = lines[i];
        std::vector<std::string> words = splitWords(here.text);
        if (words.empty()) continue;
        const std::string& key = words[0];
        bool ok = true;
        if (key == "name") {
            ok = headerText(here, key, map.name, maxNameLength);
        } else if (key == "tune") {
            ok = headerText(here, key, map.musicFile, maxNameLength);
        } else if (key == "background") {
            ok = headerText(here, key, map.backgroundFile, maxBackgroundLength);
        } else if (key == "tileset") {
            ok = headerText(here, key, map.tilesetFile, maxNameLength);
            if (ok && !findTilesetSource(contentDir, map.tilesetFile, tileset))
                return error(here.number,
                             "no tileset source under content/tilesets builds " + map.tilesetFile);
            tilesetRead = true;
        } else if (key == "time") {
            ok = words.size() == 2 && parseInt(words[1], map.timeCode) &&
                 map.timeCode >= minPlayableTimeCode && map.timeCode <= maxMapTimeCode;
            if (!ok)
                return error(here.number, "time needs a number N from -2 up (30 x N + 90 seconds)");
            timeLine = here.number;
        } else if (key == "start") {
            ok = parseStart(here, words);
        } else if (key == "key") {
            ok = parseKey(here, words);
        } else if (key == "enemy") {
            ok = parseEnemy(here, words);
        } else if (key == "grid" && words.size() == 1) {
            gridSeen = true;
            if (!parseGrid(i + 1)) return false;
            break;
        } else {
            return error(here.number, "unknown line '" + key + "'");
        }
        if (!ok) return false;
    }
    return finish();
}
} // namespace

bool readMapSource(const std::string& contentDir, const std::string& path, MapFile& map) {
    MapParser parser(contentDir, map);
    return parser.parse(path);
}
