#include "level/graphics.h"
#include "level_files.h"
#include "platform/display.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {
class TeardownTest : public LevelTest {
protected:
    void SetUp() override {
        LevelTest::SetUp();
        writeFileBytes("DATA/DEFANM.ANM", animationFile({{{0}, {0}, 0, 0}}).data());
        loadGraphics();
    }
    std::string teardownLog() {
        std::filesystem::remove("tumblo.log");
        gameLog.setFile("tumblo.log");
        gameLog.setEnabled(true);
        releaseGameData();
        gameLog.setEnabled(false);
        return readFileText("tumblo.log");
    }
};
} // namespace

TEST_F(TeardownTest, WithoutAStageOnlyTheSharedPicturesGo) {
    EXPECT_TRUE(darkOverlay);
    EXPECT_TRUE(panelBitmap);
    EXPECT_EQ(teardownLog(), "Deleting BITMAP\n");
    EXPECT_FALSE(darkOverlay);
    EXPECT_FALSE(panelBitmap);
    EXPECT_EQ(defaultAnimation.sequenceCount, 0);
}

TEST_F(TeardownTest, AfterAStageEveryPartIsNamedInOrder) {
    writeFileBytes(
        "DATA/T.TLS",
        tilesetFile({{"a.bmp", "", 16, 16}, {"b.bmp", "", 16, 16}, {"c.bmp", "", 16, 16}}).data());
    MapSpec m;
    m.tilesetFile = "T.TLS";
    writeFileBytes("DATA/T.MAP", m.bytes().data());
    ASSERT_TRUE(loadMap("T.MAP"));
    // Without treasures or enemies those lines are left out.
    const char* tiles = "Deleting TILEOBJECT 0\nDeleting TILEOBJECT 1\nDeleting TILEOBJECT 2\n";
    EXPECT_EQ(teardownLog(),
              std::string(tiles) + "Deleting BLOCKDATA\nDeleting BITMAP\nDeleting Map\n");

    loadGraphics();
    m.blocks = {{0, 0, 0, 0, 0, 0, 2, 1, 1}};
    m.enemies = {{1, 1, 0, 0, 0, 0, 0, 1, 0, 1, 0}};
    writeFileBytes("DATA/T.MAP", m.bytes().data());
    ASSERT_TRUE(loadMap("T.MAP"));
    EXPECT_EQ(teardownLog(), std::string(tiles) + "Deleting BLOCKDATA\n"
                                                  "Deleting BONUS\n"
                                                  "Deleting ENEMY\n"
                                                  "Deleting BITMAP\n"
                                                  "Deleting Map\n");
    EXPECT_FALSE(currentMap.background);
}
