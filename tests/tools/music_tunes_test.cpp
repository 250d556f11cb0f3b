// The shipped tunes: each one loads in the module player, makes sound at a sane
// level, lasts what its place in the game needs and keeps playing when looped.
#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.hpp>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {
struct Tune {
    const char* file;
    double shortest, longest; // seconds of one pass
};

const Tune tunes[] = {
    {"WANDER.IT", 20, 120}, {"TROPICAL.IT", 20, 120},  {"DESERT.IT", 20, 120}, {"CAVE.IT", 20, 120},
    {"ICE.IT", 20, 120},    {"COMPLETE.IT", 3.2, 3.4}, // the stage-clear sequence lasts 3.3 s
    {"S.IT", 70, 150},                                 // at least as long as the outro
};

struct Level {
    double peak = 0, rms = 0;
};

Level measure(openmpt::module& module, double seconds) {
    std::vector<float> buffer(2 * 4800);
    Level level;
    double sum = 0;
    long frames = 0, wanted = (long)(seconds * 48000);
    while (frames < wanted) {
        size_t got = module.read_interleaved_stereo(48000, 4800, buffer.data());
        if (got == 0) break;
        for (size_t i = 0; i < got * 2; ++i) {
            level.peak = std::max(level.peak, (double)std::fabs(buffer[i]));
            sum += (double)buffer[i] * buffer[i];
        }
        frames += (long)got;
    }
    level.rms = frames ? std::sqrt(sum / (2.0 * frames)) : 0;
    return level;
}
} // namespace

TEST(MusicTunes, EveryTunePlaysAtASaneLevelAndLoops) {
    const char* gameDir = std::getenv("TUMBLO_GAME_DIR");
    ASSERT_NE(gameDir, nullptr);
    for (const Tune& tune : tunes) {
        SCOPED_TRACE(tune.file);
        std::ifstream in(std::string(gameDir) + "/MUSIC/" + tune.file, std::ios::binary);
        ASSERT_TRUE(in.good());
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
        openmpt::module module(bytes);
        double length = module.get_duration_seconds();
        EXPECT_GE(length, tune.shortest);
        EXPECT_LE(length, tune.longest);

        // The whole of one pass: audible, never clipping.
        module.set_repeat_count(-1); // as the game plays it
        Level pass = measure(module, length);
        EXPECT_GT(pass.rms, 0.01);
        EXPECT_LT(pass.peak, 0.99);
        // And it goes on past its end instead of stopping.
        Level after = measure(module, std::min(3.0, length));
        EXPECT_GT(after.rms, 0.01);
    }
}
