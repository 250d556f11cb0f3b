// tumblo-tool info on level files: the game's loaders, headless, from a game folder.
#include "level_files.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {
// Runs the tool in the working directory; its output goes to out.txt.
int runInfo(const std::string& arguments) {
    const char* tools = std::getenv("TUMBLO_TOOLS_DIR");
    std::string command =
        std::string(tools) + "/tumblo-tool info " + arguments + " > out.txt 2> err.txt";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
} // namespace

TEST(InfoTool, PrintsLevelFilesAndRefusesDamagedOnes) {
    if (!std::getenv("TUMBLO_TOOLS_DIR")) GTEST_SKIP() << "TUMBLO_TOOLS_DIR is not set";
    TempGameDir dir;
    writeFileBytes("DATA/T.TLS", tilesetFile({{"a.bmp", "", 16, 16}}).data());
    writeFileBytes("DATA/W.ANM", animationFile({{{2, 3}, {4, 0}, 0, 0}}).data());
    MapSpec m;
    m.tilesetFile = "T.TLS";
    m.blocks = {{2, 3, 1, 5, 0, 0, 0, 1, 1}};
    writeFileBytes("DATA/LEVEL1.MAP", m.bytes().data());
    writeFileBytes("DATA/BAD.MAP", m.bytes().truncated(70));

    ASSERT_EQ(runInfo("DATA/LEVEL1.MAP"), 0);
    std::string out = readFileText("out.txt");
    EXPECT_NE(out.find("time limit 120 s"), std::string::npos) << out;
    EXPECT_NE(out.find("block 0 type 1 params 5 0 0 tile 0 solid 1 solidRect 32 49 16 15 "
                       "surfaceRect 32 48 16 1\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("treasure 0 gold kind 0 at 36 34"), std::string::npos) << out;
    EXPECT_EQ(runInfo("--kind map LEVEL1.MAP"), 0);
    EXPECT_EQ(runInfo("DATA/BAD.MAP"), 2);
    EXPECT_NE(readFileText("err.txt").find("LOAD MAP ERROR"), std::string::npos);
    EXPECT_EQ(runInfo("--kind tileset T.TLS"), 0);
    EXPECT_NE(readFileText("out.txt").find("tile 0 size 16 x 16"), std::string::npos);
    EXPECT_EQ(runInfo("DATA/W.ANM"), 0);
    EXPECT_NE(readFileText("out.txt").find("frame 1 image 3 ticks 0 (held)"), std::string::npos);
    EXPECT_EQ(runInfo("--kind animation MISSING.ANM"), 2);
}
