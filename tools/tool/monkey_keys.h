#pragma once

#include "platform/keys.h"

#include <cstdint>
#include <random>
#include <vector>

// The monkey's hands: seeded random key states, held or let go once per
// presented frame. Each press holds its key for a random number
// of frames; which keys are pressed, and how long, leans towards what the screen
// in front of it reads.
enum class MonkeyScreen {
    Menu,      // menus, lists, messages, prompts: cursor, ENTER, ESC
    Play,      // the game loop: steering, the camera, pause, notes, recording
    Recording, // the game loop while it records: as play, the record key rarer
    Playback,  // a demo played back: the speed keys and ESC
    NameEntry, // naming a recorded demo: letters, digits, BACKSPACE, ENTER
};
const char* monkeyScreenName(MonkeyScreen screen);

class MonkeyKeys {
public:
    explicit MonkeyKeys(uint64_t seed);

    // One frame: lets go of the keys whose time is up, then perhaps presses
    // more. Returns true when the key array changed.
    bool step(MonkeyScreen screen);
    bool anyHeld() const;
    void releaseAll();

    // The monkey's own stream of random numbers (never the game's).
    std::mt19937_64& random() { return rng; }
    int between(int low, int high);

private:
    struct Press {
        std::vector<Key> keys; // pressed together
        int weight;
        int shortestHold, longestHold; // frames
    };
    struct Habits {
        double pressChance; // per frame
        std::vector<Press> presses;
        int totalWeight = 0;
    };
    static Habits habitsFor(MonkeyScreen screen);
    void press(const Press& p);

    std::mt19937_64 rng;
    std::vector<Habits> habits;
    std::vector<int> framesLeft; // per key, 0 when up
};
