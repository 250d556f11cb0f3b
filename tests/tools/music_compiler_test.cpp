// The music compiler seen from outside: scores in a temporary content folder are
// compiled by the real asset compiler, and what it writes is played back with
// the same library the game uses.
#include "support/test_env.h"

#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.hpp>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {
struct BuildResult {
    int status;
    std::string output;
};

// Writes content/palette.txt and content/music/song.txt under the working
// directory and runs the music compiler into game/.
BuildResult buildScore(const std::string& score) {
    const char* tools = std::getenv("TUMBLO_TOOLS_DIR");
    const char* content = std::getenv("TUMBLO_CONTENT_DIR");
    if (!tools || !content) return {-1, "TUMBLO_TOOLS_DIR or TUMBLO_CONTENT_DIR not set"};
    std::filesystem::create_directories("content/music");
    std::filesystem::copy_file(std::string(content) + "/palette.txt", "content/palette.txt",
                               std::filesystem::copy_options::overwrite_existing);
    std::ofstream("content/music/song.txt") << score;
    std::string command = std::string(tools) + "/tumblo-assets content game music 2>&1";
    BuildResult result{-1, ""};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe))
        result.output += buffer;
    result.status = pclose(pipe);
    return result;
}

const char* header = "title Test\n"
                     "bpm 120\n"
                     "instrument tone\n"
                     "    wave sine\n"
                     "    envelope 0 0 100 20\n"
                     "channel lead tone\n";

struct BrokenScore {
    const char* body;    // follows the header above (6 lines)
    const char* message; // the expected "file:line: message"
};

std::vector<float> render(openmpt::module& module, double seconds) {
    std::vector<float> samples((size_t)(seconds * 48000));
    size_t done = 0;
    while (done < samples.size()) {
        size_t got = module.read(48000, samples.size() - done, samples.data() + done);
        if (got == 0) break;
        done += got;
    }
    samples.resize(done);
    return samples;
}

double peak(const std::vector<float>& samples) {
    double p = 0;
    for (float v : samples)
        p = std::max(p, (double)std::fabs(v));
    return p;
}
} // namespace

TEST(MusicCompiler, BrokenScoresStopTheBuildWithFileAndLine) {
    const BrokenScore cases[] = {
        {"pattern a 16\nlead: A4/8 | A4/8\norder a\n",
         "song.txt:8: bar line at row 8 of lead is not on a bar (a bar is 16 rows)"},
        {"pattern a 16\nlead: A4/4 B4 C5\norder a\n",
         "song.txt:7: channel lead fills 12 of the 16 rows of pattern a"},
        {"pattern a 16\nlead: A4/12 B4/8\norder a\n",
         "song.txt:8: lead runs past the end of pattern a (16 rows)"},
        {"pattern a 16\nlead: A4+C5/16\norder a\n",
         "song.txt:8: 'A4+C5' has 2 notes but channel lead has 1 voice"},
        {"pattern a 16\nlead: H4/16\norder a\n", "song.txt:8: 'H4' is not a note"},
        {"pattern a 16\nlead: A4/16@65\norder a\n",
         "song.txt:8: 'A4/16@65': a volume is 0..64 and only on notes"},
        {"channel bass flute\n", "song.txt:7: no instrument named flute"},
        {"pattern a 16\nlead: A4/16\norder a b\n", "song.txt:9: no pattern named b"},
        {"pattern a 16\nlead: A4/16\n", "song.txt:8: the tune has no order list"},
        {"bpm 300\n", "song.txt:7: bpm needs a whole number from 32 to 255"},
        {"instrument bell\n    wave sine\n    fm 3.5 2\n",
         "song.txt:9: a held sound needs a whole fm ratio"},
        {"instrument hit\n    wave noise\n    sweep 12 50\n",
         "song.txt:9: sweep needs a one-shot sound (sustain 0)"},
        {"instrument quiet\n    wave sine\n    volume 65\n",
         "song.txt:9: volume needs a whole number from 0 to 64"},
    };
    for (const BrokenScore& c : cases) {
        TempGameDir dir;
        BuildResult result = buildScore(std::string(header) + c.body);
        SCOPED_TRACE(c.body);
        EXPECT_NE(result.status, 0);
        EXPECT_NE(result.output.find(c.message), std::string::npos) << result.output;
        // A broken score never leaves a module behind.
        EXPECT_FALSE(fileExists("game/MUSIC/SONG.IT"));
    }
}

TEST(MusicCompiler, ScoreRoundTripsThroughTheModulePlayer) {
    TempGameDir dir;
    // Three orders of 16 rows at 120 beats a minute, four rows a beat: 2 s each.
    // "a" holds A4 (440 Hz) all through; "b" rests, so its second half is silent.
    BuildResult result = buildScore(std::string(header) + "channel pad tone voices 3 pan 10\n"
                                                          "pattern a 16\n"
                                                          "lead: A4/16\n"
                                                          "pad:  C4+E4+G4/16@0\n"
                                                          "pattern b 16\n"
                                                          "lead: ./16\n"
                                                          "order a b a\n");
    ASSERT_EQ(result.status, 0) << result.output;
    ASSERT_TRUE(fileExists("game/MUSIC/SONG.IT"));
    std::vector<uint8_t> bytes = readFileBytes("game/MUSIC/SONG.IT");
    openmpt::module module(bytes);
    EXPECT_EQ(module.get_metadata("title"), "Test");
    EXPECT_EQ(module.get_num_orders(), 3);
    EXPECT_EQ(module.get_num_channels(), 4);
    EXPECT_NEAR(module.get_duration_seconds(), 6.0, 0.01);

    // Played from the start, as the game does: the held note sounds at its pitch
    // (rising zero crossings over one second), falls silent at the rest, and is
    // struck again when the order list comes back to "a".
    std::vector<float> all = render(module, 6.0);
    ASSERT_EQ(all.size(), 6u * 48000u);
    auto slice = [&](double from, double to) {
        return std::vector<float>(all.begin() + (long)(from * 48000),
                                  all.begin() + (long)(to * 48000));
    };
    std::vector<float> note = slice(0.5, 1.5);
    int crossings = 0;
    for (size_t i = 1; i < note.size(); ++i)
        crossings += note[i - 1] < 0 && note[i] >= 0;
    EXPECT_NEAR(crossings, 440, 5);
    EXPECT_GT(peak(note), 0.05);
    EXPECT_LT(peak(slice(2.2, 3.9)), 0.001);
    EXPECT_GT(peak(slice(4.5, 5.5)), 0.05);
}

TEST(MusicCompiler, NotesLastUntilTheNextEventAndOneShotsRingOut) {
    TempGameDir dir;
    // 2 s a pattern. The held note carries from "a" into "b" through "-" and
    // stops at the rest in b's second half. In "c" a 100 ms pluck answers itself
    // 300 ms later at 30 %, then at 9 % and 2.7 %.
    BuildResult result = buildScore(std::string(header) + "instrument pluck\n"
                                                          "    wave sine\n"
                                                          "    envelope 0 100 0 0\n"
                                                          "    echo 300 30\n"
                                                          "channel hit pluck\n"
                                                          "pattern a 16\n"
                                                          "lead: A4/8 -\n"
                                                          "pattern b 16\n"
                                                          "lead: -/8 .\n"
                                                          "pattern c 16\n"
                                                          "hit:  pluck/16\n"
                                                          "order a b c\n");
    ASSERT_EQ(result.status, 0) << result.output;
    openmpt::module module(readFileBytes("game/MUSIC/SONG.IT"));
    std::vector<float> all = render(module, 6.0);
    ASSERT_EQ(all.size(), 6u * 48000u);
    auto peakOf = [&](double from, double to) {
        return peak(std::vector<float>(all.begin() + (long)(from * 48000),
                                       all.begin() + (long)(to * 48000)));
    };
    EXPECT_GT(peakOf(1.5, 1.95), 0.05); // held through "-"
    EXPECT_GT(peakOf(2.2, 2.9), 0.05);  // and on into pattern b
    EXPECT_LT(peakOf(3.1, 3.9), 0.001); // released at the rest
    double strike = peakOf(4.0, 4.1);
    EXPECT_GT(strike, 0.05);
    EXPECT_LT(peakOf(4.15, 4.28), strike * 0.02);      // the pluck has died away
    EXPECT_NEAR(peakOf(4.3, 4.4) / strike, 0.3, 0.05); // its first echo
    EXPECT_LT(peakOf(5.05, 5.9), 0.001);               // and the echoes end
}
