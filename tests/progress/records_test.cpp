// Best times: which clear beats which, the clear-time text and the medals'
// limits; the records, a ghost and the options read back, and damaged ones
// skipped with a word in the log.
#include "progress/clear_time.h"
#include "progress/ghosts.h"
#include "progress/medals.h"
#include "progress/options.h"
#include "progress/records.h"
#include "progress_fixture.h"

#include <filesystem>

namespace {
const std::string v1 = "00000000000000a1", v2 = "00000000000000b2";

void writeFileText(const std::string& path, const std::string& text) {
    writeFileBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}
} // namespace

TEST(Records, AFasterClearBeatsTheRecordAndAnyClearBeatsOneOfAnOldVersion) {
    RecordsFile r;
    auto book = [&](int32_t tick, bool cup, const std::string& hash = v1) {
        ClearBooking b = bookClear(r, "T.MAP", hash, tick, cup, "2024-01-02");
        return std::make_pair(b.newBest, b.newCupBest);
    };
    EXPECT_EQ(book(900, false), std::make_pair(true, false)); // the first clear
    EXPECT_EQ(book(950, true), std::make_pair(false, true));  // slower, but the first with the cup
    EXPECT_EQ(book(900, true), std::make_pair(false, true));  // as fast is no record
    EXPECT_EQ(book(901, true), std::make_pair(false, false));
    EXPECT_EQ(book(800, false), std::make_pair(true, false));
    EXPECT_EQ(r.of("t.map").best.tick, 800); // map files in any letter case
    EXPECT_EQ(r.of("T.MAP").cup.tick, 900);
    // The map changed: a slower clear replaces the best, and the cup's record
    // stays, marked, until a clear with the cup.
    EXPECT_EQ(book(1000, false, v2), std::make_pair(true, false));
    EXPECT_TRUE(isOldVersion(r.of("T.MAP").cup, v2));
    EXPECT_FALSE(isOldVersion(r.of("T.MAP").best, v2));
    EXPECT_EQ(book(2000, true, v2), std::make_pair(false, true));
    EXPECT_EQ(r.of("T.MAP").cup, (StageRecord{2000, "2024-01-02", v2}));
}

TEST(Records, TimesAreTheClearTimeTextAndMedalLimitsWholeSecondsRoundedUp) {
    // A clear in tick T has run T + 1 ticks of the countdown.
    EXPECT_EQ(clearTickText(0), "00:00:01");
    EXPECT_EQ(clearTickText(3899), "01:05:00");
    EXPECT_EQ(clearTickText(3929), "01:05:50");
    for (int32_t tick = 0; tick < 2 * 3600; ++tick)
        ASSERT_EQ(clearTickOfText(clearTickText(tick)), tick) << tick;
    EXPECT_EQ(clearTickOfText("00:15:69 (100%)"), 940);
    for (const char* notOne : {"0:15:69", "00:60:00", "00:15:70", "00:15:69 (50%)", "", "x"})
        EXPECT_EQ(clearTickOfText(notOne), -1) << notOne;

    // Par 17.00 s: gold within 21.25 s, so 22; silver 29.75, so 30; bronze 42.5, so 43.
    const int32_t par = 17 * 60 - 1;
    EXPECT_EQ(medalFor(22 * 60 - 1, par), Medal::Gold);
    EXPECT_EQ(medalFor(22 * 60, par), Medal::Silver);
    EXPECT_EQ(medalFor(30 * 60 - 1, par), Medal::Silver);
    EXPECT_EQ(medalFor(43 * 60 - 1, par), Medal::Bronze);
    EXPECT_EQ(medalFor(43 * 60, par), Medal::None);
    EXPECT_EQ(medalFor(0, -1), Medal::None); // no par, no medal
    EXPECT_EQ(medalFor(-1, par), Medal::None);
}

TEST_F(ProgressTest,
       RecordsGhostsAndOptionsComeBackFromTheirFilesAndDamagedOnesAreLoggedAndSkipped) {
    RecordsFile r;
    bookClear(r, "A.MAP", v1, 940, true, "2024-05-01");
    bookClear(r, "Two Words.MAP", v2, 70, false, "2024-05-02");
    ASSERT_TRUE(saveRecords("MINE.STG", r));
    EXPECT_TRUE(fileExists("records/MINE.txt"));
    EXPECT_EQ(loadRecords("MINE.STG"), r);

    writeFileText("records/MINE.txt", "best 940 2024-05-01 " + v1 + " A.MAP\n" +
                                          "best -5 2024-05-01 " + v1 + " B.MAP\n" +
                                          "cup 12 yesterday " + v1 + " C.MAP\n" +
                                          std::string("\x7f"
                                                      "ELF\x01\x02\xff\n") +
                                          "cup 940 2024-05-01 " + v1 + " A.MAP  # a note\n");
    RecordsFile read = loadRecords("MINE.STG");
    EXPECT_EQ(read.stages.size(), 1u);
    EXPECT_EQ(read.of("A.MAP").cup.tick, 940);
    std::vector<std::string> log = logLines();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0], "MINE.txt line 2: not \"best|cup TICK DATE HASH MAPFILE\"");
    EXPECT_EQ(log[2], "MINE.txt line 4: not \"best|cup TICK DATE HASH MAPFILE\"");
    // A file far larger than any the game writes is not read at all, but said.
    writeFileText("records/MINE.txt", std::string(300 * 1024, '#'));
    EXPECT_TRUE(loadRecords("MINE.STG").stages.empty());
    EXPECT_EQ(logLines().back(),
              "records\\MINE.txt: unreadable or larger than 262144 bytes, ignored");

    // A ghost cut short, and one of another map under this one's name.
    GhostFile ghost{"A.MAP", v1, 1, {{16, 32, 0, 0}, {18, 32, 1, 0}}}, back;
    ASSERT_TRUE(saveGhost(ghost));
    ASSERT_TRUE(loadGhost("a.map", v1, back));
    EXPECT_EQ(back, ghost);
    std::vector<uint8_t> bytes = readFileBytes("records/ghosts/A-" + v1 + ".ghost");
    bytes.pop_back();
    writeFileBytes("records/ghosts/A-" + v1 + ".ghost", bytes);
    EXPECT_FALSE(loadGhost("A.MAP", v1, back));
    EXPECT_EQ(logLines().back(), "Damaged ghost ignored: records\\ghosts\\A-" + v1 + ".ghost");
    ghost.mapFile = "B.MAP";
    ASSERT_TRUE(saveGhost(ghost));
    std::filesystem::rename("records/ghosts/B-" + v1 + ".ghost",
                            "records/ghosts/A-" + v1 + ".ghost");
    EXPECT_FALSE(loadGhost("A.MAP", v1, back));
    EXPECT_EQ(back.mapFile, "A.MAP"); // what it had is kept

    options.ghost = false;
    ASSERT_TRUE(saveOptions());
    options = Options();
    loadOptions();
    EXPECT_FALSE(options.ghost);
    writeFileText("options.cfg", "ghost = maybe\nwings = on\n");
    loadOptions();
    EXPECT_TRUE(options.ghost);
    log = logLines();
    EXPECT_EQ(log[log.size() - 2], "options.cfg line 1: ghost is on or off, not \"maybe\"");
    EXPECT_EQ(log.back(), "options.cfg line 2: no option \"wings\"");
}
