// The monkey's check of the files the game wrote: each must load whole with the
// game's readers, or the run fails. A check that let a torn file pass would
// hide exactly what the monkey is there to find.
#include "progress/progress_fixture.h"
#include "tool/written_files.h"

#include "game/demo_format.h"
#include "progress/ghost_format.h"

#include <filesystem>

namespace {
std::vector<uint8_t> demoBytes(size_t steeringTicks = demoSteeringTicks) {
    DataWriter out;
    DemoHeader header;
    header.mapFile = "T.MAP";
    writeDemoFile(out, header, nullptr, 0);
    std::vector<uint8_t> bytes = out.bytes();
    bytes.resize(bytes.size() - demoSteeringTicks + steeringTicks);
    return bytes;
}
} // namespace

using WrittenFiles = ProgressTest;

TEST_F(WrittenFiles, WholeFilesPassAndEachTornOrStrayOneIsNamed) {
    const std::vector<uint8_t> set =
        stageSetBytes("Main", {{"G0", {"A.MAP", "B.MAP"}}, {"G1", {"C.MAP"}}});
    writeFileBytes("DATA/DEFAULT.STG", set);
    writeFileBytes("DATA/tumblodata.dat", set);
    int checked = 0;
    EXPECT_EQ(checkWrittenFiles(checked), ""); // nothing written yet
    EXPECT_EQ(checked, 0);

    writeFileBytes("SETTINGS.DAT", ints({1, 1, 0, 0, 1, 1}));
    writeFileBytes("stats.dat", ints({1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    writeFileBytes("DATA/UNLOCK/DEFAULT.STG", ints({1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 1}));
    writeFileBytes("DEMOS/RUN.TDM", demoBytes());
    writeFileBytes("DATA/extra.stg", set);
    const std::string records = "best 9 2024-05-01 00000000000000a1 A.MAP\n";
    writeFileBytes("records/DEFAULT.txt", {records.begin(), records.end()});
    DataWriter ghost;
    writeGhostFile(ghost, {"A.MAP", "00000000000000a1", 0, {{16, 32, 0, 0}}});
    writeFileBytes("records/ghosts/A-00000000000000a1.ghost", ghost.bytes());
    EXPECT_EQ(checkWrittenFiles(checked), "");
    EXPECT_EQ(checked, 7);

    struct Case {
        const char* path;
        std::vector<uint8_t> bytes;
        const char* complaint;
    } cases[] = {
        {"SETTINGS.DAT", ints({1, 1, 0, 0, 1}), "SETTINGS.DAT does not load"},
        {"SETTINGS.DAT", ints({1, 1, 0, 0, 1, 1, 0}), "SETTINGS.DAT does not load"},
        {"stats.dat", ints({1, 0, 0}), "stats.dat does not load"},
        {"DATA/UNLOCK/DEFAULT.STG", ints({1, 0, 0, 1, 0, 0, 0, 0, 0, 1}),
         "DATA\\UNLOCK\\DEFAULT.STG does not load"},
        {"DATA/UNLOCK/GONE.STG", ints({1}),
         "DATA\\UNLOCK\\GONE.STG belongs to no stage set that loads"},
        {"DEMOS/RUN.TDM", demoBytes(9000), "DEMOS\\RUN.TDM does not load"},
        {"DATA/extra.stg", stageSetBytes("Main", {{"G0", {"A.MAP"}}}),
         "data\\extra.stg is not a copy of data\\tumblodata.dat"},
        {"records/DEFAULT.txt", {'b', 'e', 's', 't', '\n'}, "records\\DEFAULT.txt does not load"},
        {"records/ghosts/A-00000000000000a1.ghost",
         {'T', 'G', 'H', 'O'},
         "records\\ghosts\\A-00000000000000a1.ghost does not load"},
        {"options.cfg", {'g', 'h', 'o', 's', 't', '\n'}, "options.cfg does not load"},
        {"DATA/.SETTINGS.DAT.tmp-a1b2c3",
         {},
         "an unfinished save left DATA/.SETTINGS.DAT.tmp-a1b2c3 behind"},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> good =
            fileExists(c.path) ? readFileBytes(c.path) : std::vector<uint8_t>{};
        bool existed = fileExists(c.path);
        writeFileBytes(c.path, c.bytes);
        EXPECT_EQ(checkWrittenFiles(checked), c.complaint) << c.path;
        if (existed)
            writeFileBytes(c.path, good);
        else
            std::filesystem::remove(c.path);
        EXPECT_EQ(checkWrittenFiles(checked), "") << c.path;
    }
}
