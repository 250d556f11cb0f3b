#include "platform/sound_test_files.h"
#include "platform/wav_file.h"

#include <gtest/gtest.h>

namespace {
bool decode(const std::vector<uint8_t>& file, int rate, std::vector<int16_t>& frames) {
    return decodeWav(file.data(), file.size(), rate, frames);
}
} // namespace

TEST(WavDecode, ConvertsEightAndSixteenBitMonoAndStereoToSixteenBitStereo) {
    std::vector<int16_t> frames;
    ASSERT_TRUE(decode(makeWav(44100, 1, 16, {1000, -2000}), 44100, frames));
    EXPECT_EQ(frames, (std::vector<int16_t>{1000, 1000, -2000, -2000}));
    ASSERT_TRUE(decode(makeWav(44100, 2, 16, {1000, -2000, 3, 4}), 44100, frames));
    EXPECT_EQ(frames, (std::vector<int16_t>{1000, -2000, 3, 4}));
    // 8-bit samples are unsigned around 128.
    ASSERT_TRUE(decode(makeWav(44100, 2, 8, {128, 255, 0, 128}), 44100, frames));
    EXPECT_EQ(frames, (std::vector<int16_t>{0, 127 * 256, -128 * 256, 0}));
}

TEST(WavDecode, ResamplesToTheOutputRateByInterpolation) {
    std::vector<int16_t> frames;
    ASSERT_TRUE(decode(makeWav(22050, 1, 16, {0, 1000, 2000, 3000}), 44100, frames));
    ASSERT_EQ(frames.size(), 16u);
    EXPECT_EQ(frames[2], 500); // half-way between the first two source frames
    EXPECT_EQ(frames[4], 1000);
    ASSERT_TRUE(decode(makeToneWav(11025, 1000), 44100, frames));
    EXPECT_EQ(frames.size(), 8000u);
    ASSERT_TRUE(decode(makeToneWav(48000, 4800), 44100, frames));
    EXPECT_EQ(frames.size(), 4410u * 2);
}

TEST(WavDecode, SkipsOtherChunksIncludingOddSizedOnes) {
    std::vector<uint8_t> file = makeWav(44100, 1, 16, {5, 6});
    // A 3-byte "LIST" chunk (padded to 4) between the format and the data.
    std::vector<uint8_t> extra = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    file.insert(file.begin() + 36, extra.begin(), extra.end());
    std::vector<int16_t> frames;
    ASSERT_TRUE(decode(file, 44100, frames));
    EXPECT_EQ(frames, (std::vector<int16_t>{5, 5, 6, 6}));
}

TEST(WavDecode, RefusesWhatItCannotPlayOrWhatIsCutShort) {
    std::vector<int16_t> frames;
    std::vector<uint8_t> good = makeToneWav(22050, 100);
    EXPECT_FALSE(decode(makeWav(44100, 1, 24, {1, 2, 3}), 44100, frames));
    EXPECT_FALSE(decode(makeWav(44100, 3, 16, {1, 2, 3}), 44100, frames));
    EXPECT_FALSE(decode(makeWav(44100, 1, 16, {}), 44100, frames)); // no frames at all
    std::vector<uint8_t> compressed = good;
    compressed[20] = 2; // format tag 2: ADPCM
    EXPECT_FALSE(decode(compressed, 44100, frames));
    std::vector<uint8_t> badRate = good;
    badRate[24] = badRate[25] = badRate[26] = badRate[27] = 0;
    EXPECT_FALSE(decode(badRate, 44100, frames));
    std::vector<uint8_t> hugeChunk = good;
    hugeChunk[43] = 0x7f; // the data chunk claims far more than the file holds
    EXPECT_FALSE(decode(hugeChunk, 44100, frames));
    EXPECT_TRUE(frames.empty());
    for (size_t cut : {0ul, 4ul, 11ul, 12ul, 30ul, 44ul, good.size() - 1})
        EXPECT_FALSE(decodeWav(good.data(), cut, 44100, frames)) << cut;
    std::vector<uint8_t> noFormat(good.begin(), good.begin() + 12);
    noFormat.insert(noFormat.end(), good.begin() + 36, good.end());
    EXPECT_FALSE(decode(noFormat, 44100, frames));
}
