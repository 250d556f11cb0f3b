#include "level/animation.h"

#include "level/animation_format.h"
#include "platform/log.h"
#include "text/data_file.h"
#include "text/text_pool.h"
#include "ui/message_screen.h"

bool Animation::load(const char* path) {
    gameLog.write(joinText("Loading Animation: ", path));
    gameLog.indentMore();
    DataReader in;
    AnimationFile file;
    // A short or inconsistent file is refused like a missing one, so a player
    // never runs past its frames; the animation keeps what it had.
    if (!in.open(path) || !readAnimationFile(in, file)) {
        showMessage("Error", joinText("Unable to load ANIMATIONFILE: ", path));
        gameLog.write("Unable to load Animation!");
        gameLog.indentLess();
        return false;
    }
    release();
    sequenceCount = (int32_t)file.sequences.size();
    sequences = std::make_unique<AnimationSequence[]>(file.sequences.size());
    for (int32_t s = 0; s < sequenceCount; ++s) {
        const AnimationFileSequence& from = file.sequences[s];
        AnimationSequence& to = sequences[s];
        to.frameCount = (int32_t)from.images.size();
        to.frames = std::make_unique<AnimationFrame[]>(from.images.size());
        for (int32_t f = 0; f < to.frameCount; ++f)
            to.frames[f] = {from.ticks[f], from.images[f]};
        to.loopFrame = from.loopFrame;
        to.nextSequence = from.nextSequence;
    }
    loaded = true;
    gameLog.indentLess();
    return true;
}

void Animation::release() {
    sequences.reset();
    sequenceCount = 0;
}

void AnimationPlayer::setup(const Animation* animation_, const Picture* source_, Picture* target_,
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
    int32_t image = currentImage();
    if (image < 0 || !target) return;
    drawMasked(*source, *target, image * frameWidth, sourceY, x, y, frameWidth, frameHeight);
}

int32_t AnimationPlayer::currentImage() const {
    const AnimationFrame* shown = currentFrame();
    // A column beyond the sheet has no picture to show; the loader refuses
    // negative ones.
    if (!shown || !source || shown->image < 0 || shown->image * frameWidth >= source->width())
        return -1;
    return shown->image;
}

const AnimationFrame* AnimationPlayer::currentFrame() const {
    if (!animation || !animation->sequences) return nullptr;
    if (sequence < 0 || sequence >= animation->sequenceCount) return nullptr;
    const AnimationSequence& s = animation->sequences[sequence];
    if (frame < 0 || frame >= s.frameCount) return nullptr;
    return &s.frames[frame];
}
