// The shipped effects: every file the game loads exists, decodes, and is a
// short, audible, unclipped sound.
#include "platform/sound_test_files.h"
#include "platform/wav_file.h"
#include "support/test_env.h"

#include <cstdlib>
#include <gtest/gtest.h>

TEST(SoundContent, EveryEffectIsAShortAudibleWav) {
    const char* game = std::getenv("TUMBLO_GAME_DIR");
    ASSERT_NE(game, nullptr);
    const struct {
        const char* file;
        double maxSeconds;
    } effects[] = {{"GOLD", 0.6},   {"CUP", 1.0},      {"DIE", 1.0},
                   {"START", 1.0},  {"TELEPORT", 1.0}, {"VANTRIX", 2.5},
                   {"CURSOR", 0.1}, {"LIFE", 1.2},     {"JUMP", 0.6}};
    for (const auto& effect : effects) {
        std::string path = std::string(game) + "/SOUND/" + effect.file + ".WAV";
        std::vector<uint8_t> bytes = readFileBytes(path);
        std::vector<int16_t> frames;
        ASSERT_TRUE(decodeWav(bytes.data(), bytes.size(), 44100, frames)) << path;
        double seconds = (double)frames.size() / 2 / 44100;
        EXPECT_LE(seconds, effect.maxSeconds) << path;
        int clipped = 0;
        for (int16_t s : frames)
            clipped += std::abs((int)s) >= 32767;
        EXPECT_GT(peakOf(frames), 8000) << path;
        EXPECT_LT(clipped, 20) << path;
    }
}
