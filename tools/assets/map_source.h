#pragma once

#include "assets/tileset_source.h"
#include "level/map_format.h"

#include <string>
#include <vector>

// The text source of a stage (content/maps/<name>.txt), read into a model that
// can be changed and written back: the asset compiler compiles it, the stage
// editor edits it. What was not changed is written back as it was read, comments
// and blank lines included.

// A grid letter of the legend: the block every such cell holds.
struct StageKey {
    char letter = 0;
    int type = blockPlain;
    std::string tile; // a tile's name in the tileset source, or its index
    bool solid = true;
    int bonus = 0;                // 0 none, 1 gold, 2 cup
    int rise = 0;                 // bounce blocks
    int targetX = 0, targetY = 0; // teleports: the cell they lead to
    int line = 0;                 // where it was read, for messages; 0 when new
};

// An enemy, given by the cell it stands in.
struct StageEnemy {
    int cellX = 0, cellY = 0;
    int kind = enemyBouncer;
    int direction = 0; // -1 left, 0 still, 1 right
    int speed = 100, accel = 20, fall = 800, jump = 0;
    int line = 0;
};

// One line of the text as it was read: what it holds and its words, so that a
// line whose value did not change keeps its spacing and comment.
struct StageSourceLine {
    enum Kind { Text, Name, Tune, Tileset, Background, Time, Start, Key, Enemy, Grid };
    Kind kind = Text;
    std::string text;   // as read
    std::string readAs; // the value as read, in the writer's own words
};

struct StageSource {
    std::string name, tune, tileset, background;
    int timeCode = 0;
    int startX = 0, startY = 0; // a cell, or pixels when startInPixels
    bool startInPixels = false;
    std::vector<StageKey> keys;
    std::vector<StageEnemy> enemies;
    std::vector<std::string> grid; // rows of letters; '.' and ' ' are empty
    // Which header lines were given (a source with errors may lack some).
    bool hasName = false, hasTune = false, hasTileset = false, hasBackground = false,
         hasTime = false, hasStart = false;
    int tilesetLine = 0, timeLine = 0, startLine = 0, gridLine = 0;
    std::vector<StageSourceLine> layout; // empty for a new stage
    int blankLinesAfterGrid = 0;

    const StageKey* key(char letter) const;
};

struct SourceFault {
    int line = 0; // 0 when the fault is the whole stage's
    std::string message;
};

// Reads the text of a stage source. Every line that can be read is kept; the
// faults of the others are listed in line order (empty when the text is whole).
// A row of another width than the first is cut or padded to it.
void parseStageSource(const std::string& text, StageSource& source,
                      std::vector<SourceFault>& faults);
// The text of a source: every line as read unless its value changed, new keys
// after the last key line, new enemies after the last enemy line, the grid last.
std::string writeStageSource(const StageSource& source);

// Compiles a source into the map file's record, checked against the map file's
// limits; the tiles are named by `tileset`. False with the first fault found.
bool compileStageSource(const StageSource& source, const TilesetSource& tileset, MapFile& map,
                        SourceFault& fault);

// Reads content/maps/<name>.txt into the map file's own record; the tileset it
// names is looked up among the tileset sources under contentDir. A fault is
// reported as "file:line: what is wrong".
bool readMapSource(const std::string& contentDir, const std::string& path, MapFile& map);
