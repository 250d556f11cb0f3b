// Saving for play: the source always; a stage that compiles becomes a map in
// DATA, listed in "My Stages" with every stage open, never over a map of the
// game's own; one that does not compile says why and writes no map.
#include "edit/save_for_play.h"
#include "edit/stage_editing.h"
#include "progress/stage_set_format.h"
#include "support/test_env.h"
#include "text/data_file.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

TEST(SaveForPlay, WritesTheMapTheSetAndItsUnlockFile) {
    const char* game = std::getenv("TUMBLO_GAME_DIR");
    if (!game) GTEST_SKIP() << "TUMBLO_GAME_DIR is not set";
    TempGameDir dir;
    std::filesystem::create_directories("DATA/UNLOCK");
    std::filesystem::copy_file(std::string(game) + "/DATA/TROPICAL.TLS", "DATA/TROPICAL.TLS");
    writeFileBytes("DATA/TROP01.MAP", {1, 2, 3}); // the game's own stage

    StageEditing e;
    e.startNew("TROPICAL.TLS", "BG02.BMP", "TROPICAL.IT");
    SaveOutcome first = saveStage(e.stage(), dir.path() + "/cliffs.txt", true);
    EXPECT_TRUE(first.playable) << first.message;
    EXPECT_EQ(first.mapFile, "CLIFFS.MAP");
    EXPECT_EQ(first.message,
              "Saved cliffs.txt and CLIFFS.MAP in My Stages (warning: no clear found)");
    EXPECT_EQ(readFileText("cliffs.txt"), writeStageSource(e.stage()));
    DataReader in;
    MapFile map;
    ASSERT_TRUE(in.open("DATA\\CLIFFS.MAP"));
    ASSERT_TRUE(readMapFile(in, map));
    EXPECT_EQ(map.name, "New Stage");

    SaveOutcome second = saveStage(e.stage(), dir.path() + "/trop01.txt", false);
    EXPECT_EQ(second.mapFile, "TROP01_2.MAP");
    EXPECT_EQ(readFileBytes("DATA/TROP01.MAP"), (std::vector<uint8_t>{1, 2, 3}));
    saveStage(e.stage(), dir.path() + "/cliffs.txt", false); // listed once
    StageSetFile set;
    DataReader setIn;
    ASSERT_TRUE(setIn.open("DATA\\MYSTAGES.STG"));
    ASSERT_TRUE(readStageSetFile(setIn, set));
    ASSERT_EQ(set.groups.size(), 1u);
    EXPECT_EQ(set.groups[0].name, "My Stages");
    EXPECT_EQ(set.groups[0].stages, (std::vector<std::string>{"CLIFFS.MAP", "TROP01_2.MAP"}));
    // Two stages of three flags, then the group's: every stage and group open.
    std::vector<uint8_t> unlock = readFileBytes("DATA/UNLOCK/MYSTAGES.STG");
    ASSERT_EQ(unlock.size(), 7u * 4);
    EXPECT_EQ(unlock[0], 1);
    EXPECT_EQ(unlock[12], 1);
    EXPECT_EQ(unlock[24], 1);

    e.fill(0, 0, 39, 14, '=');
    SaveOutcome refused = saveStage(e.stage(), dir.path() + "/flat.txt", false);
    EXPECT_TRUE(refused.sourceSaved);
    EXPECT_FALSE(refused.playable);
    EXPECT_EQ(refused.message, "Saved flat.txt; not playable: the map has no goal block");
    EXPECT_FALSE(fileExists("DATA/FLAT.MAP"));
}
