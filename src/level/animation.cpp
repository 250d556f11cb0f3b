#include "level/animation.h"

#include "platform/log.h"
#include "text/data_file.h"
#include "text/message_screen.h"
#include "text/text_pool.h"

#include <allegro.h>

namespace {
// Far above any real animation; they keep a damaged count from allocating wildly.
constexpr int32_t maxSequences = 1000;
constexpr int32_t maxFrames = 10000;

// Reads one sequence block and checks that a player can follow it: at least one
// frame, columns not negative, and the ending pointing at a frame or a sequence
// that exists.
bool readSequence(DataReader& in, AnimationSequence& sequence, int32_t sequenceCount) {
    sequence.frameCount = readInt32(in);
    if (in.failed() || sequence.frameCount < 1 || sequence.frameCount > maxFrames) return false;
    sequence.frames = std::make_unique<AnimationFrame[]>(sequence.frameCount);
    for (int32_t i = 0; i < sequence.frameCount; ++i) {
        sequence.frames[i].image = readInt32(in);
        if (sequence.frames[i].image < 0) return false;
    }
    for (int32_t i = 0; i < sequence.frameCount; ++i) sequence.frames[i].ticks = readInt32(in);
    sequence.loopFrame = readInt32(in);
    sequence.nextSequence = readInt32(in);
    if (in.failed()) return false;
    if (sequence.loopFrame == -1)
        return sequence.nextSequence >= 0 && sequence.nextSequence < sequenceCount;
    return sequence.loopFrame >= 0 && sequence.loopFrame < sequence.frameCount;
}

bool readSequences(DataReader& in, int32_t& count, std::unique_ptr<AnimationSequence[]>& out) {
    count = readInt32(in);
    if (in.failed() || count < 0 || count > maxSequences) return false;
    out = std::make_unique<AnimationSequence[]>(count);
    for (int32_t s = 0; s < count; ++s)
        if (!readSequence(in, out[s], count)) return false;
    return true;
}
} // namespace

bool Animation::load(const char* path) {
    gameLog.write(joinText("Loading Animation: ", path));
    gameLog.indentMore();
    DataReader in;
    int32_t count = 0;
    std::unique_ptr<AnimationSequence[]> read;
    // A short or inconsistent file is refused like a missing one, so a player
    // never runs past its frames; the animation keeps what it had.
    if (!in.open(path) || !readSequences(in, count, read)) {
        showMessage("Error", joinText("Unable to load ANIMATIONFILE: ", path));
        gameLog.write("Unable to load Animation!");
        gameLog.indentLess();
        return false;
    }
    release();
    sequenceCount = count;
    sequences = std::move(read);
    loaded = true;
    gameLog.indentLess();
    return true;
}

void Animation::release() {
    sequences.reset();
    sequenceCount = 0;
}

void AnimationPlayer::setup(const Animation* animation_, BITMAP* source_, BITMAP* target_,
                            int frameWidth_, int frameHeight_) {
    animation = animation_;
    source = source_;
    target = target_;
    frameWidth = frameWidth_;
    frameHeight = frameHeight_;
    playing = false;
}

void AnimationPlayer::play(int32_t s) {
    if (playing && s == sequence) return;
    frame = 0;
    sequence = s;
    // A sequence the animation does not have (or an animation that failed to
    // load) shows nothing and does not advance.
    const AnimationFrame* first = currentFrame();
    ticksLeft = first ? first->ticks : 0;
    playing = ticksLeft != 0;
}

void AnimationPlayer::update() {
    if (!playing) return;
    ticksLeft -= 1;
    if (ticksLeft > 0) return;
    if (!currentFrame()) {
        // The animation was released or replaced under the player.
        playing = false;
        return;
    }
    const AnimationSequence& current = animation->sequences[sequence];
    frame += 1;
    if (frame >= current.frameCount) {
        if (current.loopFrame == -1) {
            // Stopping first makes a sequence that names itself as the next one
            // start again from its first frame instead of standing past its end.
            playing = false;
            play(current.nextSequence);
            return;
        }
        frame = current.loopFrame;
    }
    const AnimationFrame* next = currentFrame();
    ticksLeft = next ? next->ticks : 0;
    if (ticksLeft == 0) playing = false;
}

void AnimationPlayer::draw(int x, int y) const {
    const AnimationFrame* shown = currentFrame();
    if (!shown || !source || !target) return;
    // A column beyond the sheet has no picture to show.
    if (shown->image * frameWidth >= source->w) return;
    masked_blit(source, target, shown->image * frameWidth, sourceY, x, y, frameWidth,
                frameHeight);
}

const AnimationFrame* AnimationPlayer::currentFrame() const {
    if (!animation || !animation->sequences) return nullptr;
    if (sequence < 0 || sequence >= animation->sequenceCount) return nullptr;
    const AnimationSequence& s = animation->sequences[sequence];
    if (frame < 0 || frame >= s.frameCount) return nullptr;
    return &s.frames[frame];
}
