#include "level/animation_format.h"

#include "text/data_file.h"

namespace {
bool readSequence(DataReader& in, AnimationFileSequence& sequence, int32_t sequenceCount) {
    int32_t frameCount = readInt32(in);
    if (in.failed() || frameCount < 1 || frameCount > maxSequenceFrames) return false;
    sequence.images.resize((size_t)frameCount);
    sequence.ticks.resize((size_t)frameCount);
    for (int32_t& image : sequence.images) {
        image = readInt32(in);
        if (image < 0) return false;
    }
    for (int32_t& ticks : sequence.ticks)
        ticks = readInt32(in);
    sequence.loopFrame = readInt32(in);
    sequence.nextSequence = readInt32(in);
    if (in.failed()) return false;
    if (sequence.loopFrame == -1)
        return sequence.nextSequence >= 0 && sequence.nextSequence < sequenceCount;
    return sequence.loopFrame >= 0 && sequence.loopFrame < frameCount;
}
} // namespace

bool readAnimationFile(DataReader& in, AnimationFile& out) {
    out.sequences.clear();
    int32_t count = readInt32(in);
    if (in.failed() || count < 0 || count > maxAnimationSequences) return false;
    out.sequences.resize((size_t)count);
    for (AnimationFileSequence& sequence : out.sequences)
        if (!readSequence(in, sequence, count)) return false;
    return true;
}

void writeAnimationFile(DataWriter& out, const AnimationFile& animation) {
    writeInt32(out, (int32_t)animation.sequences.size());
    for (const AnimationFileSequence& s : animation.sequences) {
        writeInt32(out, (int32_t)s.images.size());
        for (int32_t image : s.images)
            writeInt32(out, image);
        for (size_t i = 0; i < s.images.size(); ++i)
            writeInt32(out, i < s.ticks.size() ? s.ticks[i] : 0);
        writeInt32(out, s.loopFrame);
        writeInt32(out, s.nextSequence);
    }
}
