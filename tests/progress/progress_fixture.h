#pragma once

#include "platform/log.h"
#include "progress/options.h"
#include "progress/settings.h"
#include "progress/stage_set.h"
#include "progress/statistics.h"
#include "progress/unlock_data.h"
#include "support/test_env.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

// A fresh game folder and fresh progress records for every test, with the log
// written into the folder.
class ProgressTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureHeadless();
        stageSet = StageSet();
        unlockData = UnlockData();
        statistics = Statistics();
        settings = Settings();
        options = Options();
        gameLog.setFile("tumblo.log");
        gameLog.setEnabled(true);
    }
    void TearDown() override { gameLog.setEnabled(false); }

    std::vector<std::string> logLines() const { return fileLines("tumblo.log"); }

    TempGameDir dir;
};

// What the message screen showed (it writes to stderr in tests) while `run` ran.
template <typename F> std::string messagesOf(F run) {
    testing::internal::CaptureStderr();
    run();
    return testing::internal::GetCapturedStderr();
}

// A file of 32-bit integers only, as the unlock, settings and statistics files are.
inline std::vector<uint8_t> ints(std::initializer_list<int32_t> values) {
    Bytes b;
    for (int32_t v : values)
        b.i32(v);
    return b.data();
}

using GroupSpec = StageSetFileGroup;

// A stage set file by the format's own writer; the stage count in the file is
// the sum of the groups unless given.
inline std::vector<uint8_t> stageSetBytes(const std::string& title,
                                          const std::vector<GroupSpec>& groups,
                                          std::optional<int> stageCount = {}) {
    DataWriter out;
    writeStageSetFile(out, {title, "Ann", groups});
    std::vector<uint8_t> bytes = out.bytes();
    if (stageCount)
        for (int i = 0; i < 4; ++i)
            bytes[i] = (uint8_t)((uint32_t)*stageCount >> (8 * i));
    return bytes;
}

// Loads "DATA\" + name written as groups of the given sizes (stages S0.MAP, S1.MAP,
// ..., whose maps are missing, so the titles fall back to the file names).
inline bool loadNumberedSet(const std::string& name, const std::vector<int>& groupSizes) {
    std::vector<GroupSpec> groups;
    int next = 0;
    for (int size : groupSizes) {
        groups.push_back({"G" + std::to_string(groups.size()), {}});
        for (int i = 0; i < size; ++i)
            groups.back().stages.push_back("S" + std::to_string(next++));
    }
    writeFileBytes("DATA/" + name, stageSetBytes("Numbered", groups));
    bool loaded = false;
    messagesOf([&] { loaded = loadStageSet(name.c_str()); });
    return loaded;
}
