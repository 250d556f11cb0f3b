#include "platform/sound_mixer.h"
#include "platform/sound_test_files.h"
#include "support/test_env.h"
#include "ui/sound_table.h"

#include <gtest/gtest.h>

namespace {
int peakAfter(int frames) {
    std::vector<int16_t> out((size_t)frames * 2);
    soundMixer.render(out.data(), frames);
    return peakOf(out);
}

// The game's sound objects on a mixer rendered by the test, in a game folder
// holding the nine effects and a tune.
struct GameSound : ::testing::Test {
    TempGameDir dir;
    void SetUp() override {
        writeEffectFiles(2205);
        writeFileBytes("MUSIC/wander.it", makeModule());
        startSoundInMemory();
        soundAvailable = true;
        setSoundSwitches(true, true);
    }
    void TearDown() override {
        menuMusic.unload();
        closeSound();
        setSoundSwitches(true, true);
    }
};
} // namespace

TEST_F(GameSound, EffectsLoadInTheirSlotsAndOnlyJumpAndDieAreLimitedToOne) {
    loadSoundEffects();
    for (int slot = 0; slot <= sfxJumpSlot; ++slot)
        EXPECT_GE(soundEffects[slot].handle, 0) << slot;
    for (int slot = sfxJumpSlot + 1; slot < effectSlotCount; ++slot)
        EXPECT_EQ(soundEffects[slot].handle, -1);
    EXPECT_STREQ(sfxJingle.fileName, "SOUND\\VANTRIX.WAV");
    EXPECT_STREQ(sfxDie.fileName, "SOUND\\DIE.WAV");
    for (SoundEffect* limited : {&sfxJump, &sfxDie}) {
        limited->play();
        limited->play();
    }
    EXPECT_EQ(soundMixer.activeVoices(), 2);
    sfxGold.play();
    sfxGold.play();
    sfxCup.play();
    EXPECT_EQ(soundMixer.activeVoices(), 5);
    EXPECT_GT(peakAfter(512), 1000);
}

TEST_F(GameSound, ABadEffectFileLoadsAsFalseAndPlaysNothing) {
    writeFileBytes("SOUND/BROKEN.WAV", {'R', 'I', 'F', 'F', 0, 0});
    SoundEffect effect;
    EXPECT_FALSE(effect.load("SOUND\\BROKEN.WAV"));
    EXPECT_FALSE(effect.load("SOUND\\MISSING.WAV"));
    EXPECT_EQ(effect.handle, -1);
    effect.play();
    EXPECT_EQ(soundMixer.activeVoices(), 0);
    Music tune;
    EXPECT_FALSE(tune.load("SOUND\\BROKEN.WAV"));
    tune.play();
    EXPECT_TRUE(tune.playing); // the wish is kept; nothing sounds
    EXPECT_EQ(peakAfter(1024), 0);
}

TEST(SoundWithoutDevice, EveryOperationDoesNothingAndEveryLoadSucceeds) {
    TempGameDir dir;
    closeSound();
    ASSERT_FALSE(soundAvailable);
    SoundEffect effect;
    EXPECT_TRUE(effect.load("SOUND\\MISSING.WAV"));
    effect.play();
    effect.release();
    Music tune;
    EXPECT_TRUE(tune.load("MUSIC\\MISSING.IT"));
    tune.play();
    EXPECT_FALSE(tune.playing); // so the menu loop asks again on every pass
    tune.pause();
    EXPECT_FALSE(tune.paused);
    tune.setSpeed(1.3f);
    tune.unload();
    loadSoundEffects();
    EXPECT_EQ(sfxGold.handle, -1);
}
