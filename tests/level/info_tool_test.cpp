// tumblo-tool info on level files: the game's readers, headless, with files named
// as the shell means them and what they refer to found in the game's data tree.
#include "level_files.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {
// Runs the tool in the working directory; its output goes to out.txt, err.txt.
int runTool(const std::string& arguments) {
    std::string command = toolsDir() + "/tumblo-tool " + arguments + " > '" +
                          std::filesystem::absolute("out.txt").string() + "' 2> '" +
                          std::filesystem::absolute("err.txt").string() + "'";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool printed(const std::string& file, const std::string& text) {
    return readFileText(file).find(text) != std::string::npos;
}
} // namespace

TEST(InfoTool, ReadsFilesWhereTheShellPointsAndWhatTheyNameFromTheGame) {
    TempGameDir dir;
    std::string game = std::filesystem::current_path().string();
    writeFileBytes("DATA/T.TLS", tilesetFile({{"a.bmp", "", 16, 16}}).data());
    writeFileBytes("DATA/W.ANM", animationFile({{{2, 3}, {4, 0}, 0, 0}}).data());
    MapSpec m;
    m.tilesetFile = "T.TLS";
    m.blocks = {{2, 3, 1, 5, 0, 0, 0, 1, 1}};
    writeFileBytes("DATA/LEVEL1.MAP", m.bytes().data());
    writeFileBytes("DATA/BAD.MAP", m.bytes().truncated(70));
    // A modder's own folder, outside the game, with odd letters in its name.
    writeFileBytes("my stages/Café #1.MAP", m.bytes().data());

    for (const std::string& path : std::vector<std::string>{"DATA/LEVEL1.MAP", "./DATA/LEVEL1.MAP",
                                                            game + "/DATA/LEVEL1.MAP"}) {
        ASSERT_EQ(runTool("info '" + path + "'"), 0) << path << readFileText("err.txt");
        EXPECT_TRUE(printed("out.txt", "map " + path + "\n")) << readFileText("out.txt");
        EXPECT_TRUE(printed("out.txt", "tileset T.TLS (1 tiles)"));
        EXPECT_TRUE(printed("out.txt", "time limit 120 s"));
        EXPECT_TRUE(printed("out.txt", "block 0 type 1 params 5 0 0 tile 0 solid 1 solidRect 32 "
                                       "49 16 15 surfaceRect 32 48 16 1\n"));
        EXPECT_TRUE(printed("out.txt", "treasure 0 gold kind 0 at 36 34"));
    }
    // A name below DATA alone is a file in the current folder, which is not there.
    EXPECT_EQ(runTool("info --kind map LEVEL1.MAP"), 2);
    EXPECT_TRUE(printed("err.txt", "Unable to load MAP FILE: LEVEL1.MAP"))
        << readFileText("err.txt");
    EXPECT_EQ(runTool("info ./DATA/BAD.MAP"), 2);
    EXPECT_TRUE(printed("err.txt", "./DATA/BAD.MAP is not a valid TUMBLO MAP FILE"));
    EXPECT_EQ(runTool("info --kind tileset DATA/T.TLS"), 0);
    EXPECT_TRUE(printed("out.txt", "tile 0 size 16 x 16"));
    EXPECT_EQ(runTool("info DATA/W.ANM"), 0);
    EXPECT_TRUE(printed("out.txt", "frame 1 image 3 ticks 0 (held)"));
    EXPECT_EQ(runTool("info --kind animation DATA/MISSING.ANM"), 2);

    // From the modder's folder the game is named with --game-dir, before or after
    // the command; the map's tileset comes from the game.
    std::filesystem::current_path("my stages");
    EXPECT_EQ(runTool("--game-dir '" + game + "' info 'Café #1.MAP'"), 0)
        << readFileText("err.txt");
    EXPECT_TRUE(printed("out.txt", "tileset T.TLS (1 tiles)"));
    EXPECT_EQ(runTool("info ../'my stages/Café #1.MAP' --game-dir ../"), 0)
        << readFileText("err.txt");
    EXPECT_EQ(runTool("--game-dir '" + game + "/nowhere' info 'Café #1.MAP'"), 2);
    EXPECT_TRUE(printed("err.txt", "nowhere")) << readFileText("err.txt");
    std::filesystem::current_path(game);
}
