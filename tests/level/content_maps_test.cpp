// The shipped maps, loaded with their tilesets and the shared graphics as the
// game does. Skipped while the game folder holds no maps.
#include "level/graphics.h"
#include "level_files.h"
#include "platform/paths.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <unistd.h>

TEST(ContentMaps, EveryShippedMapLoads) {
    const char* gameDir = std::getenv("TUMBLO_GAME_DIR");
    if (!gameDir) GTEST_SKIP() << "TUMBLO_GAME_DIR is not set";
    ensureHeadless();
    char previous[4096];
    ASSERT_TRUE(getcwd(previous, sizeof previous));
    ASSERT_EQ(chdir(gameDir), 0);
    std::vector<std::string> maps = listMatchingFiles("DATA\\*.MAP");
    if (maps.empty()) {
        ASSERT_EQ(chdir(previous), 0);
        GTEST_SKIP() << "no maps in " << gameDir;
    }
    resetLevelState();
    loadGraphics();
    for (const std::string& name : maps) {
        EXPECT_TRUE(loadMap(name.c_str())) << name;
        EXPECT_GT(currentMap.tileCount, 0) << name;
    }
    resetLevelState();
    ASSERT_EQ(chdir(previous), 0);
}
