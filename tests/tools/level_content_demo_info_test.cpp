#include "tools/level_content_run.h"

#include <gtest/gtest.h>

namespace {
std::string runInfo(const std::string& path, int& status) {
    const char* tools = std::getenv("TUMBLO_TOOLS_DIR");
    std::string output;
    status = runCommand(std::string(tools ? tools : "build/tools") + "/tumblo-tool info " + path,
                        output);
    return output;
}

Bytes demo(const std::vector<uint8_t>& steering) {
    Bytes b;
    b.i32(1).str("TROP01.MAP").i32(0).str("Sunny Start").str("00:07:20 (100%)").i32(1);
    for (int t = 0; t < 9001; ++t)
        b.byte(t < (int)steering.size() ? steering[t] : 0);
    return b;
}
} // namespace

TEST(DemoInfoTest, PrintsTheHeaderAndTheRunsOfSteering) {
    TempGameDir game;
    std::vector<uint8_t> steering(120, 2);
    steering.resize(150, 0);
    steering.resize(160, 1);
    writeFileBytes("DEMOS/RUN.TDM", demo(steering).data());
    int status = 0;
    std::string out = runInfo(game.path() + "/DEMOS/RUN.TDM", status);
    EXPECT_EQ(status, 0) << out;
    for (const char* line :
         {"map TROP01.MAP\n", "died 0\n", "title Sunny Start\n", "clear time 00:07:20 (100%)\n",
          "cups 1\n", "steering 9001 ticks: none 8871, left 10, right 120\n",
          "last steered tick 159\n", "  ticks 0-119 right\n", "  ticks 120-149 none\n",
          "  ticks 150-159 left\n"})
        EXPECT_NE(out.find(line), std::string::npos) << line << "in\n" << out;
    EXPECT_EQ(out.find("ticks 160"), std::string::npos); // nothing after the last steering
}

TEST(DemoInfoTest, RefusesAShortOrDamagedDemo) {
    TempGameDir game;
    Bytes whole = demo({2, 2, 1});
    writeFileBytes("DEMOS/SHORT.TDM", whole.truncated(whole.data().size() - 1));
    int status = 0;
    std::string out = runInfo(game.path() + "/DEMOS/SHORT.TDM", status);
    EXPECT_EQ(status, 2) << out;
    EXPECT_NE(out.find("not a valid demo file"), std::string::npos) << out;

    Bytes longTitle;
    longTitle.i32(1).str("TROP01.MAP").i32(0).str(std::string(80, 't'));
    writeFileBytes("DEMOS/BAD.TDM", longTitle.data());
    runInfo(game.path() + "/DEMOS/BAD.TDM", status);
    EXPECT_EQ(status, 2);
}
