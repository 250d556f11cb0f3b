// Saves on a failing disk: each step of each save (open, every write, the sync,
// the rename) fails in turn. The previous file stays whole, nothing half-written
// is left about, the game says so as each file's rules say, and the next save
// on a working disk goes through.
#include "progress_fixture.h"

#include "progress/extra_stages.h"
#include "progress/ghosts.h"
#include "progress/options.h"
#include "progress/records.h"
#include "support/failing_disk.h"

#include <cstdio>

namespace {
// What one save did: its result, its messages and the log it wrote.
struct SaveOutcome {
    bool saved = false;
    std::string messages;
    std::string log;
};

template <typename Save> SaveOutcome attempt(Save save) {
    std::remove("tumblo.log");
    SaveOutcome outcome;
    outcome.messages = messagesOf([&] { outcome.saved = save(); });
    outcome.log = readFileText("tumblo.log");
    return outcome;
}

RecordsFile bestTimes() {
    RecordsFile r;
    bookClear(r, "A.MAP", "00000000000000a1", 940, true, "2024-05-01");
    return r;
}
} // namespace

using FailingSaves = ProgressTest;

// Settings and statistics keep the old file; only a failed settings save is
// logged, and neither says a word on screen. The extra set keeps an old copy
// and says so. The best times, a ghost and the options keep theirs with a log
// line.
TEST_F(FailingSaves, EachFileKeepsItsOldCopyAndSaysWhatItsRulesSay) {
    const std::vector<uint8_t> extra = stageSetBytes("Extra", {{"Bonus", {"X1.MAP", "X2.MAP"}}});
    writeFileBytes("DATA/tumblodata.dat", extra);
    struct Case {
        const char* file;
        std::vector<uint8_t> previous;
        bool (*save)();
        const char* log;
        const char* messages;
        int writes;
        std::vector<uint8_t> saved;
    };
    std::vector<Case> cases = {
        {"SETTINGS.DAT", ints({0, 0, 1, 1, 0, 0}), saveSettings,
         "Saving SETTINGS.DAT\nError saving SETTINGS.DAT!\n", "", 6, ints({1, 1, 0, 0, 1, 1})},
        {"stats.dat", ints({7, 1, 2, 3, 4, 5, 1, 1, 0, 0}), saveStatistics, "", "", 10,
         ints({8, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
        {"DATA/extra.stg", stageSetBytes("Old extra", {{"Bonus", {"X1.MAP"}}}), copyExtraStages,
         "Unable to copy the extra stages\n", "Error: Unable to copy the extra stages\n", 1, extra},
    };
    statistics.gamesStarted = 8;
    auto text = [](const std::string& t) { return std::vector<uint8_t>(t.begin(), t.end()); };
    cases.push_back({"records/DEFAULT.txt", text("best 1000 2024-04-01 00000000000000a1 A.MAP\n"),
                     [] { return saveRecords("DEFAULT.STG", bestTimes()); },
                     "Unable to save records\\DEFAULT.txt\n", "", 1,
                     text(formatRecords(bestTimes(), "DEFAULT.STG"))});
    options.ghost = false;
    cases.push_back({"options.cfg", text("ghost = on\n"), saveOptions,
                     "Unable to save options.cfg\n", "", 1, text(formatOptions(options))});
    static const GhostFile ghost{"A.MAP", "00000000000000a1", 0, {{16, 32, 1, 0}}};
    DataWriter ghostBytes;
    writeGhostFile(ghostBytes, ghost);
    // The magic, version, two texts (length and bytes), clear tick, count and
    // the sample's four fields.
    cases.push_back({"records/ghosts/A-00000000000000a1.ghost",
                     {1, 2, 3},
                     [] { return saveGhost(ghost); },
                     "Unable to save records\\ghosts\\A-00000000000000a1.ghost\n",
                     "",
                     12,
                     ghostBytes.bytes()});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        writeFileBytes(c.file, c.previous);
        SaveOutcome last;
        std::vector<FileStep> failed =
            failEachStepOf([&] { last = attempt(c.save); },
                           [&](FileStep step) {
                               EXPECT_FALSE(last.saved) << step;
                               EXPECT_EQ(readFileBytes(c.file), c.previous) << step;
                               EXPECT_EQ(last.log, c.log) << step;
                               EXPECT_EQ(last.messages, c.messages) << step;
                               EXPECT_EQ(leftOverTemporaryFiles(), std::vector<std::string>{})
                                   << step;
                           });
        EXPECT_EQ(failed, saveSteps(c.writes));
        EXPECT_TRUE(last.saved);
        EXPECT_EQ(readFileBytes(c.file), c.saved);
    }
}

TEST_F(FailingSaves, UnlockDataKeepsTheOldFileSaysSoAndPlayGoesOnWithTheNewFlags) {
    ASSERT_TRUE(loadNumberedSet("SMALL.STG", {2, 1, 1}));
    // Stage 0 cleared before; the file that says so stays until a save works.
    ASSERT_EQ(recordStageClear(0, false, false), -1);
    const std::vector<uint8_t> previous = readFileBytes("DATA/UNLOCK/SMALL.STG");
    SaveOutcome last;
    int opened = -2;
    std::vector<FileStep> failed = failEachStepOf(
        [&] {
            unlockData.groupUnlocked[1] = 0;
            last = attempt([&] {
                opened = recordStageClear(1, true, false, [](int group) {
                    std::fprintf(stderr, "Unlocked %d\n", group);
                });
                return true;
            });
        },
        [&](FileStep step) {
            EXPECT_EQ(readFileBytes("DATA/UNLOCK/SMALL.STG"), previous) << step;
            EXPECT_EQ(last.log, "Unable to save UNLOCK DATA\n") << step;
            // The banner first, then the failed save over it.
            EXPECT_EQ(last.messages, "Unlocked 1\nError: Unable to save UNLOCK DATA\n") << step;
            EXPECT_EQ(leftOverTemporaryFiles(), std::vector<std::string>{}) << step;
            // The clear counts in this run all the same.
            EXPECT_EQ(opened, 1) << step;
            EXPECT_EQ(unlockData.stageUnlocked[2], 1) << step;
            EXPECT_EQ(unlockData.clearedWithCup[1], 1) << step;
        });
    EXPECT_EQ(failed, saveSteps(4 * 3 + 3));
    EXPECT_EQ(last.messages, "Unlocked 1\n");
    DataReader in("DATA\\UNLOCK\\SMALL.STG");
    UnlockData saved;
    ASSERT_TRUE(readUnlockData(in, 4, 3, saved));
    EXPECT_EQ(saved.stageUnlocked[2], 1);
    EXPECT_EQ(saved.groupUnlocked[1], 1);
}

TEST_F(FailingSaves, AnExtraSetWhoseCopyFailedIsCopiedAgainWhenTheSetsAreListed) {
    std::vector<uint8_t> extra = stageSetBytes("Extra", {{"Bonus", {"X1.MAP", "X2.MAP"}}});
    writeFileBytes("DATA/tumblodata.dat", extra);
    // Earned, but the copy failed on a first-time clear: the stage-set list
    // makes it when it finds it missing, and leaves a copy that is there alone.
    restoreExtraStages();
    EXPECT_FALSE(fileExists("DATA/extra.stg")); // not earned
    statistics.extraStagesUnlocked = 1;
    failFileStep(1);
    EXPECT_EQ(messagesOf(restoreExtraStages), "Error: Unable to copy the extra stages\n");
    failFileStep(0);
    EXPECT_FALSE(fileExists("DATA/extra.stg"));
    EXPECT_EQ(messagesOf(restoreExtraStages), "");
    EXPECT_EQ(readFileBytes("DATA/extra.stg"), extra);
    writeFileBytes("DATA/extra.stg", {1, 2, 3});
    restoreExtraStages();
    EXPECT_EQ(readFileBytes("DATA/extra.stg"), (std::vector<uint8_t>{1, 2, 3}));
}
