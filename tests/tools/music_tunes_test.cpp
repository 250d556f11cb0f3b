// The shipped tunes: each one loads in the module player, lasts what its place
// in the game needs, plays at a sane level like the others, never falls silent
// by mistake and starts over when it ends.
#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {
struct Tune {
    const char* file;
    double shortest, longest; // seconds of one pass
};

// A stage lasts about two minutes, so its tune runs a minute and a half before
// it repeats; the menus are visited for shorter spells.
const Tune tunes[] = {
    {"WANDER.IT", 60, 150}, {"TROPICAL.IT", 90, 150},  {"DESERT.IT", 90, 150}, {"CAVE.IT", 90, 150},
    {"ICE.IT", 90, 150},    {"COMPLETE.IT", 3.2, 3.4}, // the stage-clear sequence lasts 3.3 s
    {"S.IT", 70, 150},                                 // at least as long as the outro
};

constexpr int rate = 48000;

struct Level {
    double peak = 0, rms = 0;
    double quietest = 1; // RMS of the quietest whole second
};

Level measure(openmpt::module& module, double seconds) {
    std::vector<float> buffer(2 * rate);
    Level level;
    double sum = 0;
    long frames = 0, wanted = (long)(seconds * rate);
    while (frames < wanted) {
        // A second at a time, so each read is one window.
        size_t want = (size_t)std::min<long>(rate, wanted - frames);
        size_t got = module.read_interleaved_stereo(rate, want, buffer.data());
        if (got == 0) break;
        double window = 0;
        for (size_t i = 0; i < got * 2; ++i) {
            level.peak = std::max(level.peak, (double)std::fabs(buffer[i]));
            window += (double)buffer[i] * buffer[i];
        }
        if (got == (size_t)rate)
            level.quietest = std::min(level.quietest, std::sqrt(window / (2.0 * got)));
        sum += window;
        frames += (long)got;
    }
    level.rms = frames ? std::sqrt(sum / (2.0 * frames)) : 0;
    return level;
}
} // namespace

TEST(MusicTunes, EveryTuneLastsLongEnoughPlaysLikeTheOthersAndLoops) {
    const char* gameDir = std::getenv("TUMBLO_GAME_DIR");
    ASSERT_NE(gameDir, nullptr);
    double softest = 1, loudest = 0;
    for (const Tune& tune : tunes) {
        SCOPED_TRACE(tune.file);
        std::ifstream in(std::string(gameDir) + "/MUSIC/" + tune.file, std::ios::binary);
        ASSERT_TRUE(in.good());
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
        openmpt::module module(bytes);
        double length = module.get_duration_seconds();
        EXPECT_GE(length, tune.shortest);
        EXPECT_LE(length, tune.longest);

        // The whole of one pass: audible, well under full scale, and no second
        // of it silent (a rest left in every channel, an empty pattern).
        module.set_repeat_count(-1); // as the game plays it
        Level pass = measure(module, length);
        EXPECT_GT(pass.rms, 0.04);
        EXPECT_LT(pass.rms, 0.15);
        EXPECT_LT(pass.peak, 0.75);
        EXPECT_GT(pass.quietest, 0.01);
        softest = std::min(softest, pass.rms);
        loudest = std::max(loudest, pass.rms);

        // Past its end it goes back to its first order and keeps sounding.
        Level after = measure(module, std::min(2.0, length / 2));
        EXPECT_EQ(module.get_current_order(), 0);
        EXPECT_GT(after.rms, 0.01);
    }
    // Switching from one tune to another never jumps in loudness: the softest
    // is within 4 dB of the loudest.
    EXPECT_LT(loudest / softest, 1.6);
}
