#pragma once

// The animation file (".ANM"): binary, little-endian, no magic. The only place
// that spells out its fields and limits:
//
//   sequenceCount, then per sequence: frameCount, frameCount sheet columns,
//   frameCount tick counts (0 holds the frame for good), loopFrame (-1: go on
//   with nextSequence instead of looping), nextSequence.

#include <cstdint>
#include <vector>

class DataReader;
class DataWriter;

// Far above any real animation; they keep a damaged count from allocating wildly.
constexpr int32_t maxAnimationSequences = 1000;
constexpr int32_t maxSequenceFrames = 10000;

struct AnimationFileSequence {
    std::vector<int32_t> images; // sheet columns, 0 or more
    std::vector<int32_t> ticks;  // one per image
    int32_t loopFrame = 0;
    int32_t nextSequence = 0;
    bool operator==(const AnimationFileSequence&) const = default;
};

struct AnimationFile {
    std::vector<AnimationFileSequence> sequences;
};

// False when the file is short or a player could not follow it: a sequence
// without frames or with more than the limit, a negative column, a loop frame
// outside its sequence, a next sequence that does not exist. No message.
bool readAnimationFile(DataReader& in, AnimationFile& out);
// Writes the sequences as given (ticks beyond the images are not written; missing
// ones are written as 0).
void writeAnimationFile(DataWriter& out, const AnimationFile& animation);
