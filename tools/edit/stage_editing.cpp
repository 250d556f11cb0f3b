#include "edit/stage_editing.h"

#include <algorithm>

namespace {
StageKey makeKey(char letter, int type, const char* tile, bool solid, int bonus = 0, int rise = 0) {
    StageKey k;
    k.letter = letter;
    k.type = type;
    k.tile = tile;
    k.solid = solid;
    k.bonus = bonus;
    k.rise = rise;
    return k;
}

// The letters new keys are given, in this order.
const char letterChoice[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789=%^*+-~!$&@<>?";
} // namespace

void StageEditing::startNew(const std::string& tileset, const std::string& background,
                            const std::string& tune, int width, int height) {
    StageSource s;
    s.name = "New Stage";
    s.tune = tune;
    s.tileset = tileset;
    s.background = background;
    s.timeCode = 0;
    s.hasName = s.hasTune = s.hasTileset = s.hasBackground = s.hasTime = s.hasStart = true;
    s.startX = 2;
    s.startY = height - 3;
    // The tiles every shipped theme has, in the letters the shipped stages use.
    s.keys = {makeKey('=', blockPlain, "top", true),
              makeKey('%', blockPlain, "fill", true),
              makeKey('g', blockPlain, "top", true, 1),
              makeKey('o', blockPlain, "air", false, 1),
              makeKey('c', blockPlain, "top", true, 2),
              makeKey('B', blockBounce, "bounce", true, 0, 8),
              makeKey('J', blockBounce, "strong", true, 0, 9),
              makeKey('x', blockHurt, "hurt", true),
              makeKey('m', blockTurnMarker, "marker", true),
              makeKey('F', blockGoal, "goal", true),
              makeKey('d', blockPlain, "deco", false)};
    s.grid.assign(height, std::string(width, '.'));
    for (int y = 0; y < height; ++y)
        s.grid[y][0] = s.grid[y][width - 1] = '%';
    s.grid[height - 2] = "%" + std::string(width - 2, '=') + "%";
    s.grid[height - 1] = std::string(width, '%');
    s.grid[height - 3][width - 3] = 'F';
    s.gridLine = 1;
    open(s);
}

void StageEditing::open(const StageSource& source) {
    current = source;
    undoStack.clear();
    redoStack.clear();
    groupDepth = 0;
    ++revisionCount;
    savedRevision = revisionCount;
}

void StageEditing::replace(const StageSource& source) {
    willChange();
    current = source;
}

void StageEditing::beginGroup() {
    if (groupDepth++ == 0) groupRecorded = false;
}

void StageEditing::endGroup() {
    if (groupDepth > 0) --groupDepth;
}

void StageEditing::willChange() {
    ++revisionCount;
    if (groupDepth > 0 && groupRecorded) return;
    undoStack.push_back(current);
    redoStack.clear();
    groupRecorded = groupDepth > 0;
}

bool StageEditing::paint(int x, int y, char letter) {
    if (!inside(x, y) || (letter != '.' && !current.key(letter))) return false;
    if (current.grid[y][x] == letter || (letter == '.' && current.grid[y][x] == ' ')) return true;
    willChange();
    current.grid[y][x] = letter;
    return true;
}

void StageEditing::fill(int x0, int y0, int x1, int y1, char letter) {
    beginGroup();
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
        for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x)
            paint(x, y, letter);
    endGroup();
}

CellBlock StageEditing::copy(int x0, int y0, int x1, int y1) const {
    CellBlock block;
    block.width = std::abs(x1 - x0) + 1;
    block.height = std::abs(y1 - y0) + 1;
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y) {
        std::string row;
        for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x)
            row += cell(x, y);
        block.rows.push_back(row);
    }
    return block;
}

void StageEditing::paste(const CellBlock& block, int x, int y) {
    beginGroup();
    for (int dy = 0; dy < block.height; ++dy)
        for (int dx = 0; dx < block.width; ++dx) {
            char c = block.rows[dy][dx];
            paint(x + dx, y + dy, c == ' ' ? '.' : c);
        }
    endGroup();
}

void StageEditing::placeStart(int x, int y) {
    if (!inside(x, y)) return;
    if (current.hasStart && !current.startInPixels && current.startX == x && current.startY == y)
        return;
    willChange();
    current.startX = x;
    current.startY = y;
    current.startInPixels = false;
    current.hasStart = true;
}

int StageEditing::enemyAt(int x, int y) const {
    for (size_t i = 0; i < current.enemies.size(); ++i)
        if (current.enemies[i].cellX == x && current.enemies[i].cellY == y) return (int)i;
    return -1;
}

int StageEditing::placeEnemy(const StageEnemy& enemy) {
    if (!inside(enemy.cellX, enemy.cellY)) return -1;
    int there = enemyAt(enemy.cellX, enemy.cellY);
    if (there >= 0) {
        changeEnemy(there, enemy);
        return there;
    }
    willChange();
    current.enemies.push_back(enemy);
    current.enemies.back().line = 0;
    return (int)current.enemies.size() - 1;
}

void StageEditing::changeEnemy(int index, const StageEnemy& enemy) {
    if (index < 0 || index >= (int)current.enemies.size()) return;
    willChange();
    int line = current.enemies[index].line;
    current.enemies[index] = enemy;
    current.enemies[index].line = line;
}

void StageEditing::removeEnemy(int index) {
    if (index < 0 || index >= (int)current.enemies.size()) return;
    willChange();
    current.enemies.erase(current.enemies.begin() + index);
}

void StageEditing::setHeaderText(std::string StageSource::*field, bool StageSource::*given,
                                 const std::string& text) {
    if (text == current.*field) return;
    willChange();
    current.*field = text;
    current.*given = true;
}

void StageEditing::setName(const std::string& text) {
    setHeaderText(&StageSource::name, &StageSource::hasName, text);
}

void StageEditing::setTune(const std::string& text) {
    setHeaderText(&StageSource::tune, &StageSource::hasTune, text);
}

void StageEditing::setTileset(const std::string& text) {
    setHeaderText(&StageSource::tileset, &StageSource::hasTileset, text);
}

void StageEditing::setBackground(const std::string& text) {
    setHeaderText(&StageSource::background, &StageSource::hasBackground, text);
}

void StageEditing::setTimeCode(int code) {
    if (code == current.timeCode && current.hasTime) return;
    willChange();
    current.timeCode = code;
    current.hasTime = true;
}

char StageEditing::addKey(StageKey key) {
    if (!key.letter || key.letter == '.' || key.letter == ' ' || key.letter == '#' ||
        current.key(key.letter)) {
        key.letter = 0;
        for (const char* c = letterChoice; *c && !key.letter; ++c)
            if (!current.key(*c)) key.letter = *c;
        if (!key.letter) return 0;
    }
    willChange();
    key.line = 0;
    current.keys.push_back(key);
    return key.letter;
}

void StageEditing::changeKey(char letter, const StageKey& key) {
    for (StageKey& k : current.keys)
        if (k.letter == letter) {
            willChange();
            int line = k.line;
            k = key;
            k.letter = letter;
            k.line = line;
            return;
        }
}

void StageEditing::resize(int newWidth, int newHeight) {
    newWidth = std::max(1, newWidth);
    newHeight = std::max(1, newHeight);
    if (newWidth == width() && newHeight == height()) return;
    willChange();
    current.grid.resize(newHeight, std::string(newWidth, '.'));
    for (std::string& row : current.grid)
        row.resize(newWidth, '.');
}

bool StageEditing::undo() {
    if (undoStack.empty()) return false;
    redoStack.push_back(std::move(current));
    current = std::move(undoStack.back());
    undoStack.pop_back();
    ++revisionCount;
    return true;
}

bool StageEditing::redo() {
    if (redoStack.empty()) return false;
    undoStack.push_back(std::move(current));
    current = std::move(redoStack.back());
    redoStack.pop_back();
    ++revisionCount;
    return true;
}
