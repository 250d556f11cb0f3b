#pragma once

#include "assets/map_source.h"

#include <string>
#include <vector>

// A rectangle of cells, copied for pasting.
struct CellBlock {
    int width = 0, height = 0;
    std::vector<std::string> rows;
};

// The editing of one stage: every change goes through here, so that each can be
// undone and redone without limit. A change made of many steps (a drag of the
// brush) is grouped and undone as one.
class StageEditing {
public:
    // A new stage: a floor, walls, the start and a goal, in the tileset's theme.
    void startNew(const std::string& tileset, const std::string& background,
                  const std::string& tune, int width = 40, int height = 15);
    void open(const StageSource& source);
    // The whole stage at once (an autosave taken back), undone as one change.
    void replace(const StageSource& source);
    const StageSource& stage() const { return current; }
    // Grows with every change, undo and redo: what the live check compares.
    int revision() const { return revisionCount; }
    // Changed since it was opened or last saved.
    bool changed() const { return revisionCount != savedRevision; }
    void markSaved() { savedRevision = revisionCount; }

    int width() const { return current.grid.empty() ? 0 : (int)current.grid[0].size(); }
    int height() const { return (int)current.grid.size(); }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width() && y < height(); }
    char cell(int x, int y) const { return inside(x, y) ? current.grid[y][x] : '.'; }

    // Changes of several steps, undone as one.
    void beginGroup();
    void endGroup();

    // A grid letter into a cell ('.' erases); false outside the grid or for a
    // letter without a key.
    bool paint(int x, int y, char letter);
    bool erase(int x, int y) { return paint(x, y, '.'); }
    // The rectangle between two corners, in any order.
    void fill(int x0, int y0, int x1, int y1, char letter);
    CellBlock copy(int x0, int y0, int x1, int y1) const;
    // Pastes with its top-left corner at x, y; what falls off the grid is lost.
    void paste(const CellBlock& block, int x, int y);

    void placeStart(int x, int y);
    // The enemy standing in a cell, or -1.
    int enemyAt(int x, int y) const;
    int placeEnemy(const StageEnemy& enemy);
    void changeEnemy(int index, const StageEnemy& enemy);
    void removeEnemy(int index);

    void setName(const std::string& text);
    void setTune(const std::string& text);
    void setTileset(const std::string& text);
    void setBackground(const std::string& text);
    void setTimeCode(int code);
    // A new key of the legend; its letter is the first free one when `key`
    // has none. The letter given to it, or 0 when none is free.
    char addKey(StageKey key);
    void changeKey(char letter, const StageKey& key);
    // Grows or shrinks the grid at the right and bottom.
    void resize(int width, int height);

    bool canUndo() const { return !undoStack.empty(); }
    bool canRedo() const { return !redoStack.empty(); }
    bool undo();
    bool redo();

private:
    // Called before every change; keeps the state for undo.
    void willChange();
    // A header line's text, changed (one undo step) only when it differs.
    void setHeaderText(std::string StageSource::*field, bool StageSource::*given,
                       const std::string& text);

    StageSource current;
    std::vector<StageSource> undoStack, redoStack;
    int groupDepth = 0;
    bool groupRecorded = false;
    int revisionCount = 0, savedRevision = 0;
};
