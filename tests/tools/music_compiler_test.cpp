// The music compiler seen from outside: scores in a temporary content folder are
// compiled by the real asset compiler, and what it writes is played back with
// the same library the game uses.
#include "tools/level_content_run.h"

#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.hpp>

#include <cmath>

namespace {
class MusicCompiler : public ::testing::Test {
protected:
    // Compiles `score` as content/music/song.txt into the working directory.
    int buildScore(const std::string& score) {
        content.write("music/song.txt", score);
        return content.compile("music");
    }
    TempGameDir dir;
    ContentRun content;
};

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

// The samples from `from` to `to` seconds.
std::vector<float> slice(const std::vector<float>& all, double from, double to) {
    return std::vector<float>(all.begin() + (long)(from * 48000), all.begin() + (long)(to * 48000));
}

// The loudest sample from `from` to `to` seconds.
double peak(const std::vector<float>& all, double from, double to) {
    double p = 0;
    for (float v : slice(all, from, to))
        p = std::max(p, (double)std::fabs(v));
    return p;
}
} // namespace

TEST_F(MusicCompiler, BrokenScoresStopTheBuildWithFileAndLine) {
    const BrokenScore cases[] = {
        {"pattern a 16\nlead: A4/8 | A4/8\norder a\n",
         "song.txt:8: bar line at row 8 of lead is not on a bar (a bar is 16 rows)"},
        {"pattern a 16\nlead: A4/4 B4 C5\norder a\n",
         "song.txt:7: channel lead fills 12 of the 16 rows of pattern a"},
        {"pattern a 16\nlead: A4+C5/16\norder a\n",
         "song.txt:8: 'A4+C5' has 2 notes but channel lead has 1 voice"},
        {"pattern a 16\nlead: H4/16\norder a\n", "song.txt:8: 'H4' is not a note"},
        {"pattern a 16\nlead: A4/16@65\norder a\n",
         "song.txt:8: 'A4/16@65': a volume is 0..64 and only on notes"},
        {"pattern a 16\nlead: A4/2000000000*200\norder a\n",
         "song.txt:8: lead runs past the end of pattern a (16 rows)"},
        {"channel bass flute\n", "song.txt:7: no instrument named flute"},
        {"pattern a 16\nlead: A4/16\norder a b\n", "song.txt:9: no pattern named b"},
        {"pattern a 16\nlead: A4/16\n", "song.txt:8: the tune has no order list"},
        {"instrument bell\n    wave sine\n    fm 3.5 2\n",
         "song.txt:9: a held sound needs a whole fm ratio"},
        {"instrument hit\n    wave noise\n    sweep 12 50\n",
         "song.txt:9: sweep needs a one-shot sound (sustain 0)"},
        {"pattern a 16\nlead: [A4/4 [B4]*2]*2\norder a\n",
         "song.txt:8: groups in [ ] cannot be nested"},
        {"pattern a 16\nlead: [A4/4 B4]*3\norder a\n",
         "song.txt:8: lead runs past the end of pattern a (16 rows)"},
    };
    for (const BrokenScore& c : cases) {
        SCOPED_TRACE(c.body);
        EXPECT_NE(buildScore(std::string(header) + c.body), 0);
        EXPECT_TRUE(content.said(c.message)) << content.output;
        // A broken score never leaves a module behind.
        EXPECT_FALSE(fileExists("MUSIC/SONG.IT"));
    }
}

TEST_F(MusicCompiler, ScoreRoundTripsThroughTheModulePlayer) {
    // Three orders of 16 rows at 120 beats a minute, four rows a beat: 2 s each.
    // "a" holds A4 (440 Hz) all through; "b" rests, so its second half is silent.
    ASSERT_EQ(buildScore(std::string(header) + "channel pad tone voices 3 pan 10\n"
                                               "pattern a 16\n"
                                               "lead: A4/16\n"
                                               "pad:  C4+E4+G4/16@0\n"
                                               "pattern b 16\n"
                                               "lead: ./16\n"
                                               "order a b a\n"),
              0)
        << content.output;
    openmpt::module module(readFileBytes("MUSIC/SONG.IT"));
    EXPECT_EQ(module.get_metadata("title"), "Test");
    EXPECT_EQ(module.get_num_orders(), 3);
    EXPECT_EQ(module.get_num_channels(), 4);
    EXPECT_NEAR(module.get_duration_seconds(), 6.0, 0.01);

    // Played from the start, as the game does: the held note sounds at its pitch
    // (rising zero crossings over one second), falls silent at the rest, and is
    // struck again when the order list comes back to "a".
    std::vector<float> all = render(module, 6.0);
    ASSERT_EQ(all.size(), 6u * 48000u);
    std::vector<float> note = slice(all, 0.5, 1.5);
    int crossings = 0;
    for (size_t i = 1; i < note.size(); ++i)
        crossings += note[i - 1] < 0 && note[i] >= 0;
    EXPECT_NEAR(crossings, 440, 5);
    EXPECT_GT(peak(all, 0.5, 1.5), 0.05);
    EXPECT_LT(peak(all, 2.2, 3.9), 0.001);
    EXPECT_GT(peak(all, 4.5, 5.5), 0.05);
}

TEST_F(MusicCompiler, NotesLastUntilTheNextEventAndOneShotsRingOut) {
    // 2 s a pattern. The held note carries from "a" into "b" through "-" and
    // stops at the rest in b's second half. In "c" a 100 ms pluck answers itself
    // 300 ms later at 30 %, then at 9 % and 2.7 %.
    ASSERT_EQ(buildScore(std::string(header) + "instrument pluck\n"
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
                                               "order a b c\n"),
              0)
        << content.output;
    openmpt::module module(readFileBytes("MUSIC/SONG.IT"));
    std::vector<float> all = render(module, 6.0);
    ASSERT_EQ(all.size(), 6u * 48000u);
    EXPECT_GT(peak(all, 1.5, 1.95), 0.05); // held through "-"
    EXPECT_GT(peak(all, 2.2, 2.9), 0.05);  // and on into pattern b
    EXPECT_LT(peak(all, 3.1, 3.9), 0.001); // released at the rest
    double strike = peak(all, 4.0, 4.1);
    EXPECT_GT(strike, 0.05);
    EXPECT_LT(peak(all, 4.15, 4.28), strike * 0.02);      // the pluck has died away
    EXPECT_NEAR(peak(all, 4.3, 4.4) / strike, 0.3, 0.05); // its first echo
    EXPECT_LT(peak(all, 5.05, 5.9), 0.001);               // and the echoes end
}
