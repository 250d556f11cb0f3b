#include "platform/sound_test_files.h"
#include "platform/wav_encodings.h"
#include "platform/wav_file.h"

#include <cmath>
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

TEST(WavDecode, ReadsWhatOtherProgramsWriteAndKeepsItsLength) {
    for (const auto& [name, file] : wav_encodings::otherProgramsSounds()) {
        SCOPED_TRACE(name);
        std::vector<int16_t> frames;
        ASSERT_TRUE(decode(file, 44100, frames));
        // 0.3 s stays 0.3 s to the frame when the rate changes.
        EXPECT_EQ(frames.size(), 13230u * 2);
        EXPECT_EQ(frames.front(), frames.back());
        EXPECT_NEAR(frames[frames.size() / 2], 4660, 60);
    }
    // A compressed sound whose last block is filled up ends where its "fact"
    // chunk says.
    std::vector<int16_t> frames;
    ASSERT_TRUE(decode(wav_encodings::imaAdpcm(8000, 96, 4660, 2390), 44100, frames));
    EXPECT_EQ(frames.size(), 2390u * 44100 / 8000 * 2);
    // Float keeps its two channels apart; beyond full scale it is clipped, and
    // what is not a number is silence.
    ASSERT_TRUE(decode(wav_encodings::float32(44100, 2, {0.5f, -2.0f, NAN, 1.5f}), 44100, frames));
    EXPECT_EQ(frames, (std::vector<int16_t>{16384, -32768, 0, 32767}));
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
    EXPECT_FALSE(decode(makeWav(44100, 3, 16, {1, 2, 3}), 44100, frames));
    // Ten minutes and a frame of the slowest rate: more than any effect.
    EXPECT_FALSE(decode(makeWav(1000, 1, 8, std::vector<int>(600 * 1000 + 1, 128)), 44100, frames));
    // An encoding nobody here decodes (MPEG layer 3).
    EXPECT_FALSE(decode(wav_encodings::file(0x55, 1, 8000, 0, 1, {}, {1, 2, 3, 4}), 44100, frames));
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
