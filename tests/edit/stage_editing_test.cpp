// The editing model: every change lands where it was aimed, is undone and
// redone whole, and a saved stage reads back as it was written.
#include "edit/stage_editing.h"

#include <gtest/gtest.h>

namespace {
StageEditing newStage() {
    StageEditing editing;
    editing.startNew("TROPICAL.TLS", "BG02.BMP", "TROPICAL.IT", 24, 15);
    return editing;
}
} // namespace

TEST(StageEditing, PaintEraseAndFillReachTheCellsAimedAt) {
    StageEditing e = newStage();
    EXPECT_TRUE(e.paint(3, 4, 'g'));
    EXPECT_EQ(e.cell(3, 4), 'g');
    EXPECT_FALSE(e.paint(3, 4, 'Q')) << "a letter without a key";
    EXPECT_FALSE(e.paint(24, 4, 'g')) << "outside the grid";
    EXPECT_FALSE(e.paint(-1, 0, 'g'));
    EXPECT_EQ(e.cell(3, 4), 'g');
    EXPECT_TRUE(e.erase(3, 4));
    EXPECT_EQ(e.cell(3, 4), '.');
    // Corners in any order fill the same rectangle, and nothing beside it.
    e.fill(7, 6, 5, 3, 'x');
    for (int y = 2; y <= 7; ++y)
        for (int x = 4; x <= 8; ++x)
            EXPECT_EQ(e.cell(x, y), (x >= 5 && x <= 7 && y >= 3 && y <= 6) ? 'x' : '.')
                << x << "," << y;
    // A fill beyond the grid stops at its edge.
    e.fill(22, 0, 30, 1, 'd');
    EXPECT_EQ(e.cell(22, 0), 'd');
    EXPECT_EQ(e.cell(23, 1), 'd');
}

TEST(StageEditing, UndoAndRedoChainsWithoutLimit) {
    StageEditing e = newStage();
    std::string first = writeStageSource(e.stage());
    std::vector<std::string> states{first};
    for (int i = 0; i < 240; ++i) {
        ASSERT_TRUE(e.paint(1 + i % 22, 1 + i / 22, i % 2 ? 'g' : 'x'));
        states.push_back(writeStageSource(e.stage()));
    }
    e.fill(1, 1, 10, 5, '=');
    states.push_back(writeStageSource(e.stage()));
    e.setName("Changed");
    e.placeStart(4, 4);
    states.push_back(writeStageSource(e.stage()));
    EXPECT_FALSE(e.canRedo());
    // The name and the start were two changes; the fill one.
    EXPECT_TRUE(e.undo());
    EXPECT_EQ(e.stage().name, "Changed");
    EXPECT_TRUE(e.undo());
    EXPECT_EQ(writeStageSource(e.stage()), states[states.size() - 2]);
    EXPECT_TRUE(e.undo());
    EXPECT_EQ(writeStageSource(e.stage()), states[240]);
    while (e.undo()) {
    }
    EXPECT_EQ(writeStageSource(e.stage()), first);
    for (int i = 0; i < 100; ++i)
        EXPECT_TRUE(e.redo());
    EXPECT_EQ(writeStageSource(e.stage()), states[100]);
    // A new change drops what could be redone.
    e.paint(1, 1, 'F');
    EXPECT_FALSE(e.canRedo());
    EXPECT_TRUE(e.undo());
    EXPECT_EQ(writeStageSource(e.stage()), states[100]);
    int revision = e.revision();
    e.paint(1, 1, e.cell(1, 1)); // the same letter changes nothing
    EXPECT_EQ(e.revision(), revision);
}

TEST(StageEditing, CopyAndPasteARectangle) {
    StageEditing e = newStage();
    e.paint(2, 2, 'g');
    e.paint(3, 3, 'B');
    CellBlock block = e.copy(3, 3, 2, 2);
    ASSERT_EQ(block.width, 2);
    ASSERT_EQ(block.rows, (std::vector<std::string>{"g.", ".B"}));
    e.paste(block, 10, 5);
    EXPECT_EQ(e.cell(10, 5), 'g');
    EXPECT_EQ(e.cell(11, 6), 'B');
    EXPECT_EQ(e.cell(11, 5), '.');
    // Half off the right edge: the rest is lost, nothing wraps.
    e.paste(block, 23, 1);
    EXPECT_EQ(e.cell(23, 1), 'g');
    EXPECT_EQ(e.cell(0, 2), '%');
    // One paste is one undo.
    e.undo();
    e.undo();
    EXPECT_EQ(e.cell(10, 5), '.');
    EXPECT_EQ(e.cell(11, 6), '.');
}

TEST(StageEditing, EnemiesStartPropertiesAndLegend) {
    StageEditing e = newStage();
    StageEnemy hurter;
    hurter.cellX = 6;
    hurter.cellY = 12;
    hurter.kind = enemyHurter;
    hurter.direction = -1;
    EXPECT_EQ(e.placeEnemy(hurter), 0);
    hurter.speed = 150;
    hurter.jump = 7;
    EXPECT_EQ(e.placeEnemy(hurter), 0) << "one enemy a cell: placing again changes it";
    ASSERT_EQ(e.stage().enemies.size(), 1u);
    EXPECT_EQ(e.stage().enemies[0].speed, 150);
    EXPECT_EQ(e.enemyAt(6, 12), 0);
    e.removeEnemy(0);
    EXPECT_EQ(e.enemyAt(6, 12), -1);
    e.placeStart(5, 9);
    EXPECT_EQ(e.stage().startX, 5);
    e.setTimeCode(-1);
    e.setTileset("DESERT.TLS");
    e.setTune("DESERT.IT");
    e.setBackground("BG03.BMP");
    StageKey trap;
    trap.type = blockTeleport;
    trap.tile = "trap";
    trap.targetX = 2;
    trap.targetY = 10;
    char letter = e.addKey(trap);
    ASSERT_NE(letter, 0);
    EXPECT_EQ(e.stage().key(letter)->targetY, 10);
    EXPECT_TRUE(e.paint(8, 12, letter));
    trap.letter = letter; // a letter in use gets another
    EXPECT_NE(e.addKey(trap), letter);

    StageSource reread;
    std::vector<SourceFault> faults;
    std::string saved = writeStageSource(e.stage());
    parseStageSource(saved, reread, faults);
    EXPECT_TRUE(faults.empty()) << saved;
    EXPECT_EQ(writeStageSource(reread), saved);
    EXPECT_EQ(reread.timeCode, -1);
    EXPECT_EQ(reread.tileset, "DESERT.TLS");
    EXPECT_EQ(reread.grid, e.stage().grid);
    EXPECT_EQ(reread.startX, 5);
    ASSERT_NE(reread.key(letter), nullptr);
    EXPECT_EQ(reread.key(letter)->type, blockTeleport);
}
