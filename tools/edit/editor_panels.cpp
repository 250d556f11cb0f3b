#include "edit/editor_panels.h"
#include "edit/editor_state.h"

#include "level/graphics.h"
#include "text/file_finder.h"
#include "text/font.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {
const char* const typeNames[] = {"plain", "bounce", "hurt", "marker", "goal", "teleport"};
const char* const kindNames[] = {"bouncer", "hurter", "pusher"};
const char* const treasureNames[] = {"none", "gold", "cup"};

constexpr int paletteTop = 20, slotWidth = 30, slotHeight = 22, rowHeight = 13;
constexpr int valueLeft = sidePanelLeft + 56;

// The stage panel's fields: where each starts.
constexpr int nameLeft = 2, tilesLeft = 196, tuneLeft = 318, backLeft = 440, timeLeft = 560;

// The verdict's long dash is an icon of the game's font, whose glyphs are
// ASCII.
void text(Picture& page, std::string s, int x, int y) {
    for (size_t at; (at = s.find("\u2014")) != std::string::npos;)
        s.replace(at, 3, "$-");
    gameFont.drawText(s.c_str(), x, y, page);
}

// The file after (or before) `current` among those a pattern lists.
std::string steppedFile(const char* pattern, const std::string& current, int step) {
    std::vector<std::string> names;
    FileFinder finder(pattern);
    while (finder.next())
        names.push_back(finder.fileName());
    if (names.empty()) return current;
    auto at = std::find(names.begin(), names.end(), current);
    int index = at == names.end() ? -1 : (int)(at - names.begin());
    index = ((index + step) % (int)names.size() + (int)names.size()) % (int)names.size();
    return names[index];
}

int paletteRows(const EditorState& s) {
    return ((int)s.editing.stage().keys.size() + 1 + 3) / 4; // the keys and "+ key"
}

int enemyRowTop(const EditorState& s) {
    return paletteTop + paletteRows(s) * slotHeight + 4;
}

int parametersTop(const EditorState& s) {
    return enemyRowTop(s) + slotHeight + 8;
}

// The rows of the side panel for what the brush holds.
std::vector<std::pair<std::string, std::string>> parameterRows(const EditorState& s) {
    std::vector<std::pair<std::string, std::string>> rows;
    if (s.brush == Brush::Block) {
        const StageKey* k = s.editing.stage().key(s.letter);
        if (!k) return rows;
        rows.push_back({"Key", std::string(1, k->letter)});
        rows.push_back({"Type", typeNames[k->type]});
        rows.push_back({"Tile", k->tile});
        rows.push_back({"Solid", k->solid ? "yes" : "no"});
        rows.push_back({"Treasure", treasureNames[std::min(k->bonus, 2)]});
        if (k->type == blockBounce) rows.push_back({"Rise", std::to_string(k->rise)});
        if (k->type == blockTeleport) {
            rows.push_back({"To X", std::to_string(k->targetX)});
            rows.push_back({"To Y", std::to_string(k->targetY)});
        }
    } else if (s.brush == Brush::Enemy) {
        const StageEnemy& e =
            s.selectedEnemy >= 0 ? s.editing.stage().enemies[s.selectedEnemy] : s.enemy;
        rows.push_back({"Enemy", s.selectedEnemy >= 0 ? "at " + std::to_string(e.cellX) + "," +
                                                            std::to_string(e.cellY)
                                                      : "new"});
        rows.push_back({"Kind", kindNames[e.kind]});
        rows.push_back({"Dir", e.direction < 0 ? "left" : e.direction > 0 ? "right" : "still"});
        rows.push_back({"Speed", std::to_string(e.speed)});
        rows.push_back({"Accel", std::to_string(e.accel)});
        rows.push_back({"Fall", std::to_string(e.fall)});
        rows.push_back({"Hop", std::to_string(e.jump)});
    } else {
        const StageSource& st = s.editing.stage();
        rows.push_back({"Start", st.hasStart
                                     ? std::to_string(st.startX) + "," + std::to_string(st.startY)
                                     : "none"});
    }
    return rows;
}

int stepped(int value, int step, int low, int high) {
    return std::max(low, std::min(high, value + step));
}

void changeKeyRow(EditorState& s, int row, int step) {
    const StageKey* found = s.editing.stage().key(s.letter);
    if (!found) return;
    StageKey k = *found;
    int tiles = std::max(1, (int)s.pictures.tiles().tiles.size());
    int rowIndex = 0;
    auto is = [&](bool present) { return present && rowIndex++ == row; };
    if (is(true)) return; // the letter itself
    if (is(true)) {
        k.type = (k.type + step + 6) % 6;
        if (k.type == blockBounce && k.rise == 0) k.rise = 8;
    } else if (is(true)) {
        int index = s.pictures.tiles().find(k.tile);
        index = ((index < 0 ? 0 : index) + step + tiles) % tiles;
        if (index < (int)s.pictures.tiles().tiles.size())
            k.tile = s.pictures.tiles().tiles[index].name;
    } else if (is(true)) {
        k.solid = !k.solid;
    } else if (is(true)) {
        k.bonus = (std::min(k.bonus, 2) + step + 3) % 3;
    } else if (is(k.type == blockBounce)) {
        k.rise = stepped(k.rise, step, 1, 28);
    } else if (is(k.type == blockTeleport)) {
        k.targetX = stepped(k.targetX, step, 0, s.editing.width() - 1);
    } else if (is(k.type == blockTeleport)) {
        k.targetY = stepped(k.targetY, step, 0, s.editing.height() - 1);
    } else {
        return;
    }
    s.editing.changeKey(s.letter, k);
}

void changeEnemyRow(EditorState& s, int row, int step) {
    StageEnemy e = s.selectedEnemy >= 0 ? s.editing.stage().enemies[s.selectedEnemy] : s.enemy;
    switch (row) {
    case 1:
        e.kind = (e.kind + step + 3) % 3;
        break;
    case 2:
        e.direction = (e.direction + 1 + step + 3) % 3 - 1;
        break;
    case 3:
        e.speed = stepped(e.speed, step * 10, 0, 2800);
        break;
    case 4:
        e.accel = stepped(e.accel, step * 5, 0, 2800);
        break;
    case 5:
        e.fall = stepped(e.fall, step * 50, 0, 2800);
        break;
    case 6:
        e.jump = stepped(e.jump, step, 0, 28);
        break;
    default:
        return;
    }
    if (s.selectedEnemy >= 0)
        s.editing.changeEnemy(s.selectedEnemy, e);
    else
        s.enemy = e;
}
} // namespace

void drawPanels(Picture& page, const EditorState& s, int hoverX, int hoverY) {
    Colour panel = colourOf(36, 40, 56), chosen = colourOf(255, 220, 0);
    const StageSource& st = s.editing.stage();
    // The stage panel.
    fillRectangle(page, 0, 0, 640, 16, panel);
    text(page, "Name: " + st.name + (s.typingName ? "_" : ""), nameLeft, 2);
    text(page, "Tiles: " + st.tileset, tilesLeft, 2);
    text(page, "Tune: " + st.tune, tuneLeft, 2);
    text(page, "Back: " + st.background, backLeft, 2);
    text(page, "Time: " + std::to_string(mapTimeLimit(st.timeCode)) + " s", timeLeft, 2);
    if (s.typingName) outlineRectangle(page, 0, 0, tilesLeft - 4, 16, chosen);
    // The palette: the legend's keys, "+ key", the enemy kinds and the start.
    fillRectangle(page, sidePanelLeft, 16, 640 - sidePanelLeft, statusTop - 16, panel);
    int slot = 0;
    for (const StageKey& k : st.keys) {
        int x = sidePanelLeft + 4 + slot % 4 * slotWidth, y = paletteTop + slot / 4 * slotHeight;
        if (const Picture* tile = s.pictures.tile(k.tile))
            drawMasked(*tile, page, 0, 0, x, y + 2, 16, 16);
        if (k.bonus == 1) drawMaskedScaled(goldSheet, page, 0, 0, 16, 16, x + 4, y, 8, 8);
        if (k.bonus >= 2) drawMaskedScaled(cupSheet, page, 0, 0, 16, 16, x + 4, y, 8, 8);
        text(page, std::string(1, k.letter), x + 19, y + 5);
        if (s.brush == Brush::Block && k.letter == s.letter)
            outlineRectangle(page, x - 2, y, slotWidth - 2, slotHeight, chosen);
        ++slot;
    }
    text(page, "+key", sidePanelLeft + 4 + slot % 4 * slotWidth,
         paletteTop + slot / 4 * slotHeight + 5);
    int y = enemyRowTop(s);
    for (int kind = 0; kind < 4; ++kind) {
        int x = sidePanelLeft + 4 + kind * slotWidth;
        drawMasked(kind < 3 ? enemySheets[kind] : ballSheet, page, 0, 0, x, y + 2, 16, 16);
        bool on =
            kind < 3 ? s.brush == Brush::Enemy && s.enemy.kind == kind : s.brush == Brush::Start;
        if (on) outlineRectangle(page, x - 2, y, slotWidth - 2, slotHeight, chosen);
    }
    // The side panel: what the brush holds.
    y = parametersTop(s);
    for (const auto& [label, value] : parameterRows(s)) {
        text(page, label, sidePanelLeft + 4, y);
        text(page, value, valueLeft, y);
        y += rowHeight;
    }
    text(page, "Left +, right -", sidePanelLeft + 4, y + 4);
    // The status line.
    fillRectangle(page, 0, statusTop, 640, 480 - statusTop, colourOf(16, 16, 24));
    std::string check = s.checking ? "Checking..." : s.verdictKnown ? s.verdict.text : "";
    text(page, check, 4, statusTop + 3);
    text(page, s.message, 4, statusTop + 17);
    std::string where = hoverX >= 0 ? std::to_string(hoverX) + "," + std::to_string(hoverY) : "";
    text(page, where, 4, statusTop + 32);
    text(page, "F5 play  F6 from here  F7 solution  ^S save  ^Z ^Y undo redo  G grid  Z zoom", 70,
         statusTop + 32);
}

bool clickPanels(EditorState& s, int x, int y, bool right) {
    int step = right ? -1 : 1;
    StageEditing& e = s.editing;
    if (y < 16) {
        if (x < tilesLeft) {
            s.typingName = true;
        } else if (x < tuneLeft) {
            e.setTileset(steppedFile("DATA\\*.TLS", e.stage().tileset, step));
            s.pictures.load(e.stage().tileset, e.stage().background);
        } else if (x < backLeft) {
            e.setTune(steppedFile("MUSIC\\*.IT", e.stage().tune, step));
        } else if (x < timeLeft) {
            e.setBackground(steppedFile("BITMAP\\BG\\*.BMP", e.stage().background, step));
            s.pictures.load(e.stage().tileset, e.stage().background);
        } else {
            e.setTimeCode(std::max(-2, e.stage().timeCode + step));
        }
        return true;
    }
    if (x < sidePanelLeft || y >= statusTop) return false;
    s.typingName = false;
    int slotsTop = paletteTop, keys = (int)e.stage().keys.size();
    if (y < enemyRowTop(s) - 4) {
        int index = (y - slotsTop) / slotHeight * 4 + (x - sidePanelLeft - 4) / slotWidth;
        if (index >= 0 && index < keys) {
            s.brush = Brush::Block;
            s.letter = e.stage().keys[index].letter;
        } else if (index == keys) {
            // A new key, like the one chosen, under a free letter.
            const StageKey* like = e.stage().key(s.letter);
            StageKey k = like ? *like : StageKey();
            if (k.tile.empty()) k.tile = "top";
            k.letter = 0;
            if (char letter = e.addKey(k)) {
                s.letter = letter;
                s.brush = Brush::Block;
                s.message = std::string("Key ") + letter + " added";
            }
        }
        return true;
    }
    if (y < enemyRowTop(s) + slotHeight) {
        int kind = (x - sidePanelLeft - 4) / slotWidth;
        if (kind >= 0 && kind < 3) {
            s.brush = Brush::Enemy;
            s.enemy.kind = kind;
            s.selectedEnemy = -1;
        } else if (kind == 3) {
            s.brush = Brush::Start;
        }
        return true;
    }
    int row = (y - parametersTop(s)) / rowHeight;
    if (y >= parametersTop(s)) {
        if (s.brush == Brush::Block) changeKeyRow(s, row, step);
        if (s.brush == Brush::Enemy) changeEnemyRow(s, row, step);
    }
    return true;
}
