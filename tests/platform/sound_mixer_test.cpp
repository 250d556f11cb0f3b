#include "platform/sound_mixer.h"
#include "platform/sound_test_files.h"
#include "support/test_env.h"

#include <gtest/gtest.h>

namespace {
constexpr int rate = 44100;

// Renders `frames` frames and returns their loudest sample.
int renderPeak(SoundMixer& mixer, int frames) {
    std::vector<int16_t> out((size_t)frames * 2, 1);
    mixer.render(out.data(), frames);
    return peakOf(out);
}

int rowsFromStart(SoundMixer& mixer, int song) {
    int order = 0, row = 0;
    EXPECT_TRUE(mixer.songOrderRow(song, order, row));
    return order * 64 + row;
}

struct Mixer : ::testing::Test {
    SoundMixer mixer;
    std::vector<uint8_t> tone = makeToneWav(rate, 4410); // 0.1 s
    std::vector<uint8_t> module = makeModule();
    void SetUp() override { mixer.start(rate, 32); }
    int loadTone() { return mixer.loadSample(tone.data(), tone.size()); }
    int loadModule() { return mixer.loadSong(module.data(), module.size()); }
};
} // namespace

TEST_F(Mixer, AnEffectSoundsThenEndsAndFreesItsVoice) {
    int sample = loadTone();
    ASSERT_GE(sample, 0);
    EXPECT_EQ(renderPeak(mixer, 1024), 0); // silence renders as zeros
    EXPECT_GE(mixer.playSample(sample), 0);
    EXPECT_GT(renderPeak(mixer, 2048), 5000);
    EXPECT_EQ(mixer.activeVoices(), 1);
    renderPeak(mixer, 2400); // past the 4410 frames of the effect
    EXPECT_EQ(mixer.activeVoices(), 0);
    EXPECT_EQ(renderPeak(mixer, 1024), 0);
}

TEST_F(Mixer, ALimitOfOneRestartsThePlaybackInsteadOfStacking) {
    int sample = loadTone();
    mixer.setMaxPlaybacks(sample, 1);
    int first = mixer.playSample(sample);
    renderPeak(mixer, 3000);
    EXPECT_EQ(mixer.playSample(sample), first);
    EXPECT_EQ(mixer.activeVoices(), 1);
    // Restarted at 3000 frames: still sounding 3000 frames later, where the first
    // playback would have ended.
    renderPeak(mixer, 3000);
    EXPECT_EQ(mixer.activeVoices(), 1);
    renderPeak(mixer, 1500);
    EXPECT_EQ(mixer.activeVoices(), 0);

    // Without a limit the same plays overlap.
    int other = loadTone();
    mixer.playSample(other);
    mixer.playSample(other);
    EXPECT_EQ(mixer.activeVoices(), 2);
}

TEST_F(Mixer, MorePlaysThanVoicesTakeTheOldestVoice) {
    int sample = loadTone();
    int firstVoice = mixer.playSample(sample);
    renderPeak(mixer, 100);
    for (int i = 1; i < 32; ++i)
        EXPECT_GE(mixer.playSample(sample), 0);
    EXPECT_EQ(mixer.activeVoices(), 32);
    EXPECT_EQ(mixer.playSample(sample), firstVoice);
    EXPECT_EQ(mixer.activeVoices(), 32);
    std::vector<int16_t> out(2048 * 2);
    mixer.render(out.data(), 2048);
    EXPECT_EQ(peakOf(out), 32767); // 32 loud voices clip instead of wrapping round
}

TEST_F(Mixer, ASongPausesAndResumesWhereItWas) {
    int song = loadModule();
    ASSERT_GE(song, 0);
    mixer.playSong(song);
    EXPECT_GT(renderPeak(mixer, rate), 1000);
    int before = rowsFromStart(mixer, song);
    EXPECT_GT(before, 20);
    mixer.setSongPaused(song, true);
    EXPECT_EQ(renderPeak(mixer, rate / 2), 0);
    EXPECT_EQ(rowsFromStart(mixer, song), before);
    mixer.setSongPaused(song, false);
    EXPECT_GT(renderPeak(mixer, rate / 2), 1000);
    int after = rowsFromStart(mixer, song);
    EXPECT_GT(after, before + 10);
    EXPECT_LT(after, before + 20);
}

TEST_F(Mixer, SpeedOnePointThreeAdvancesTheSongAboutOnePointThreeTimesAsFast) {
    int normal = loadModule();
    int hurried = loadModule();
    mixer.setSongSpeed(hurried, 1.3f);
    mixer.playSong(normal);
    mixer.playSong(hurried);
    renderPeak(mixer, 3 * rate);
    double ratio = (double)rowsFromStart(mixer, hurried) / rowsFromStart(mixer, normal);
    EXPECT_NEAR(ratio, 1.3, 0.06);
    mixer.setSongSpeed(hurried, 1.0f);
    int a = rowsFromStart(mixer, normal), b = rowsFromStart(mixer, hurried);
    renderPeak(mixer, 2 * rate);
    EXPECT_NEAR(rowsFromStart(mixer, hurried) - b, rowsFromStart(mixer, normal) - a, 2);
}

TEST_F(Mixer, PlayAfterStopStartsFromTheBeginningAndSongsLoop) {
    int song = loadModule();
    mixer.playSong(song);
    renderPeak(mixer, rate);
    mixer.stopSong(song);
    EXPECT_EQ(renderPeak(mixer, 1024), 0);
    mixer.playSong(song);
    EXPECT_EQ(rowsFromStart(mixer, song), 0);
    // 256 rows at 30 a second last about 8.5 s; at 10 s the song has come round.
    renderPeak(mixer, 10 * rate);
    EXPECT_TRUE(mixer.songPlaying(song));
    EXPECT_LT(rowsFromStart(mixer, song), 100);
    EXPECT_GT(renderPeak(mixer, 4096), 1000);
}

TEST_F(Mixer, MissingOrDamagedFilesDoNotLoad) {
    TempGameDir dir;
    EXPECT_EQ(mixer.loadSampleFile("SOUND\\NONE.WAV"), -1);
    EXPECT_EQ(mixer.loadSongFile("MUSIC\\NONE.IT"), -1);
    writeFileBytes("SOUND/EMPTY.WAV", {});
    EXPECT_EQ(mixer.loadSampleFile("SOUND\\EMPTY.WAV"), -1);
    writeFileBytes("SOUND/good.wav", tone);
    EXPECT_GE(mixer.loadSampleFile("sound\\GOOD.WAV"), 0); // names match without regard to case

    std::vector<uint8_t> garbage(4000, 0x5a);
    EXPECT_EQ(mixer.loadSong(garbage.data(), garbage.size()), -1);
    EXPECT_EQ(mixer.loadSong(module.data(), 600), -1); // cut inside the headers
    EXPECT_EQ(mixer.loadSong(tone.data(), tone.size()), -1);
    EXPECT_EQ(mixer.loadSample(module.data(), module.size()), -1);
    writeFileBytes("MUSIC/wander.it", module);
    EXPECT_GE(mixer.loadSongFile("MUSIC\\WANDER.IT"), 0);
}

TEST(MixerWithoutStart, LoadsNothingAndRendersSilence) {
    SoundMixer mixer;
    std::vector<uint8_t> tone = makeToneWav(rate, 100);
    EXPECT_EQ(mixer.loadSample(tone.data(), tone.size()), -1);
    EXPECT_EQ(mixer.playSample(0), -1);
    std::vector<int16_t> out(256, 7);
    mixer.render(out.data(), 128);
    EXPECT_EQ(peakOf(out), 0);
}
