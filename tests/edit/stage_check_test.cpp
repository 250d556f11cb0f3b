// The live check: each fault that makes a stage unplayable is named before any
// search; shipped stages clear with their cup; tumblo-edit --check prints the
// verdict and exits 0, 1 or 2.
#include "edit/stage_faults.h"
#include "support/test_env.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace {
// 20 x 15: a floor in row 13, the goal at its right end, a teleport at x 5 and
// an enemy at x 10 on it.
std::string stageText(const std::string& extra = "", const std::string& start = "start 2 12",
                      char goal = 'F', const std::string& teleport = "to 15 12") {
    std::string text = "name Test\ntune TROPICAL.IT\ntileset TROPICAL.TLS\nbackground BG02.BMP\n"
                       "time 0\n" +
                       start + "\n" +
                       "key = plain top solid\nkey F goal goal solid\n"
                       "key T teleport teleport solid " +
                       teleport + "\nenemy 10 12 hurter left\n" + extra + "grid\n";
    for (int y = 0; y < 15; ++y) {
        std::string row(20, '.');
        if (y == 12) row[18] = goal;
        if (y == 13) row = std::string(20, '='), row[5] = 'T';
        if (y == 14) row = std::string(20, '=');
        text += row + "\n";
    }
    return text;
}

std::string faultOf(const std::string& text) {
    StageSource stage;
    std::vector<SourceFault> faults;
    parseStageSource(text, stage, faults);
    EXPECT_TRUE(faults.empty()) << faults[0].message;
    return stageFault(stage);
}
} // namespace

TEST(StageCheck, NamesEachFaultBeforeAnySearch) {
    EXPECT_EQ(faultOf(stageText()), "");
    EXPECT_EQ(faultOf(stageText("", "")), "No start: place the ball");
    EXPECT_EQ(faultOf(stageText("", "start 2 12", '.')), "No goal");
    EXPECT_EQ(faultOf(stageText("", "start 3 13")),
              "The start lies inside a block at column 3, row 13");
    // Pixels between cells: the ball covers the block below.
    EXPECT_EQ(faultOf(stageText("", "start 40 200 px")),
              "The start lies inside a block at column 2, row 13");
    EXPECT_EQ(faultOf(stageText("", "start 2 12", 'F', "to 30 3")),
              "The teleport at column 5, row 13 leads nowhere (column 30, row 3)");
    EXPECT_EQ(faultOf(stageText("", "start 2 12", 'F', "to 4 14")),
              "The teleport at column 5, row 13 leads nowhere (column 4, row 14)");
    EXPECT_EQ(faultOf(stageText("enemy 7 14 pusher right\n")),
              "An enemy stands inside a wall at column 7, row 14");
    std::string wide = stageText();
    size_t grid = wide.find("grid\n") + 5;
    std::string rows;
    for (int y = 0; y < 15; ++y)
        rows += (y == 12 ? std::string(1024, '.') + "F" : std::string(1025, '=')) + "\n";
    EXPECT_NE(faultOf(wide.substr(0, grid) + rows).find("Too large for a map: 1025 x 15 cells"),
              std::string::npos);
}

TEST(StageCheck, CommandLineVerdictsAndStatuses) {
    const char* game = std::getenv("TUMBLO_GAME_DIR");
    if (!game) GTEST_SKIP() << "TUMBLO_GAME_DIR is not set";
    TempGameDir scratch;
    std::string editor = toolsDir() + "/tumblo-edit --game-dir " + game + " --check ";
    std::string output;
    // Shipped stages: cleared, the cup's clear after the plain one.
    for (const char* stage : {"trop01", "cave01"}) {
        EXPECT_EQ(runCommand(editor + TUMBLO_CONTENT_DIR + "/maps/" + stage + ".txt", output), 0)
            << output;
        EXPECT_EQ(output.rfind("Clears in 0:", 0), 0u) << output;
        EXPECT_NE(output.find(" \u2014 with the cup 0:"), std::string::npos) << output;
    }
    // A wall before the goal: nothing clears it.
    std::string walled = stageText();
    for (int y = 0; y < 13; ++y) {
        size_t row = walled.find("grid\n") + 5 + y * 21;
        walled[row + 16] = '=';
    }
    std::ofstream("walled.txt") << walled;
    EXPECT_EQ(runCommand(editor + "walled.txt --budget 2", output), 1) << output;
    EXPECT_EQ(output, "No clear found in 2 s\n");
    std::ofstream("broken.txt") << stageText("", "start 2 12", '.');
    EXPECT_EQ(runCommand(editor + "broken.txt", output), 2) << output;
    EXPECT_EQ(output, "No goal\n");
    std::ofstream("garbled.txt") << "name X\nfoo\n";
    EXPECT_EQ(runCommand(editor + "garbled.txt", output), 2) << output;
    EXPECT_NE(output.find("garbled.txt:2: unknown line 'foo'"), std::string::npos) << output;
}
