#pragma once

#include "platform/picture.h"

#include <cstdint>
#include <memory>

// One picture of a sequence: a column of the sheet, shown for `ticks` ticks
// (0 holds it for good).
struct AnimationFrame {
    int32_t ticks = 0;
    int32_t image = 0;
};

// Frames played in order; afterwards either back to `loopFrame` or, when that is
// -1, on with `nextSequence`.
struct AnimationSequence {
    int32_t frameCount = 0;
    std::unique_ptr<AnimationFrame[]> frames;
    int32_t loopFrame = 0;
    int32_t nextSequence = 0;
};

// The contents of one ".ANM" file, shared read-only by any number of players.
class Animation {
public:
    Animation() = default;
    Animation(const Animation&) = delete;
    Animation& operator=(const Animation&) = delete;

    // Reads the file at `path` (folder included). On failure reports it and keeps
    // what the animation held before.
    bool load(const char* path);
    void release();

    int32_t sequenceCount = 0;
    std::unique_ptr<AnimationSequence[]> sequences;
    bool loaded = false;
};

// Plays one animation for one thing on screen: current sequence, frame and
// countdown, advanced once per tick by its owner.
class AnimationPlayer {
public:
    void setup(const Animation* animation, const Picture* source, Picture* target, int frameWidth,
               int frameHeight);
    void play(int32_t sequence);
    void update();
    // Paints the current frame with its top-left corner at (x, y) of the target.
    void draw(int x, int y) const;
    // The sheet column of the frame shown now, or -1 when nothing is shown.
    int32_t currentImage() const;

    const Animation* animation = nullptr;
    const Picture* source = nullptr;
    Picture* target = nullptr;
    int32_t frameWidth = 0;
    int32_t frameHeight = 0;
    int32_t sourceY = 0;
    int32_t sequence = 0;
    int32_t frame = 0;
    int32_t ticksLeft = 0;
    bool playing = false;

private:
    // The frame the player stands on, or null when there is none to show.
    const AnimationFrame* currentFrame() const;
};
