// Every shipped stage source reads and writes back to the same text, and
// compiles to the map the build wrote; an edited value is written in the
// writer's words with its line's comment kept, new keys and enemies land after
// their kind's last line.
#include "assets/map_source.h"
#include "assets/tileset_source.h"
#include "support/test_env.h"
#include "text/data_file.h"

#include <cctype>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(MapSourceRoundTrip, ShippedSourcesWriteBackAsReadAndCompileAsBuilt) {
    const char* game = std::getenv("TUMBLO_GAME_DIR");
    if (!game) GTEST_SKIP() << "TUMBLO_GAME_DIR is not set";
    int stages = 0;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(fs::path(TUMBLO_CONTENT_DIR) / "maps")) {
        std::string text = readFileText(entry.path().string());
        StageSource source;
        std::vector<SourceFault> faults;
        parseStageSource(text, source, faults);
        EXPECT_TRUE(faults.empty()) << entry.path();
        EXPECT_EQ(writeStageSource(source), text) << entry.path();

        TilesetSource tileset;
        ASSERT_TRUE(findTilesetSource(TUMBLO_CONTENT_DIR, source.tileset, tileset));
        MapFile compiled, built;
        SourceFault fault;
        ASSERT_TRUE(compileStageSource(source, tileset, compiled, fault)) << fault.message;
        std::string stem = entry.path().stem().string();
        for (char& c : stem)
            c = (char)std::toupper((unsigned char)c);
        DataReader in;
        ASSERT_TRUE(in.openSystemPath(std::string(game) + "/DATA/" + stem + ".MAP"));
        ASSERT_TRUE(readMapFile(in, built));
        EXPECT_EQ(compiled.blocks, built.blocks) << stem;
        EXPECT_EQ(compiled.enemies, built.enemies) << stem;
        EXPECT_EQ(compiled.name, built.name);
        EXPECT_EQ(std::tie(compiled.width, compiled.height, compiled.startX, compiled.startY,
                           compiled.timeCode),
                  std::tie(built.width, built.height, built.startX, built.startY, built.timeCode));
        ++stages;
    }
    EXPECT_GE(stages, 24);
}

TEST(MapSourceRoundTrip, EditsKeepCommentsAndPlaceNewLines) {
    const std::string text = "# a stage\n"
                             "name  Old\n"
                             "time  1   # its clock\n"
                             "key  =  plain  top  solid\n"
                             "\n"
                             "enemy 1 2 hurter left\n"
                             "grid\n"
                             "=.\n";
    StageSource source;
    std::vector<SourceFault> faults;
    parseStageSource(text, source, faults);
    source.name = "New";
    source.timeCode = 2;
    source.hasStart = true; // given now; the tune and the rest still are not
    StageKey gold;
    gold.letter = 'g';
    gold.tile = "top";
    gold.bonus = 1;
    source.keys.push_back(gold);
    source.enemies.push_back(StageEnemy());
    source.grid[0] = "=g";
    EXPECT_EQ(writeStageSource(source),
              "# a stage\n"
              "name        New\n"
              "time        2   # its clock\n"
              "start       0 0\n"
              "key  =  plain  top  solid\n"
              "key  g  plain     top       solid     gold\n"
              "\n"
              "enemy 1 2 hurter left\n"
              "enemy 0 0 bouncer still speed 100 accel 20 fall 800 jump 0\n"
              "grid\n"
              "=g\n");
    // A line that cannot be read stays as a comment; the rest is loaded.
    parseStageSource("name X\nkey q oops\ntime 1\ngrid\n==\n=\n", source, faults);
    ASSERT_EQ(faults.size(), 2u);
    EXPECT_EQ(faults[0].line, 2);
    EXPECT_EQ(faults[1].line, 6);
    EXPECT_EQ(source.timeCode, 1);
    EXPECT_EQ(source.grid[1], "=.");
    EXPECT_NE(writeStageSource(source).find("# key q oops\n"), std::string::npos);
}
