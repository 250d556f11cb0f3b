#include "tool/monkey_keys.h"

#include <allegro.h>

const char* monkeyScreenName(MonkeyScreen screen) {
    switch (screen) {
    case MonkeyScreen::Menu:
        return "a menu";
    case MonkeyScreen::Play:
        return "play";
    case MonkeyScreen::Recording:
        return "play while recording";
    case MonkeyScreen::Playback:
        return "demo playback";
    case MonkeyScreen::NameEntry:
        return "the demo name entry";
    }
    return "?";
}

namespace {
// Keys no screen reads: a player leans on them too.
const int strayKeys[] = {KEY_TAB, KEY_LSHIFT, KEY_HOME, KEY_END, KEY_PGUP, KEY_Q, KEY_X, KEY_5};
} // namespace

// Weights are relative within a screen. ESC and ENTER come often enough in menus
// to move from screen to screen; in play ESC is rare, or no run would last.
MonkeyKeys::Habits MonkeyKeys::habitsFor(MonkeyScreen screen) {
    Habits h;
    switch (screen) {
    case MonkeyScreen::Menu:
        h.pressChance = 0.25;
        h.presses = {{{KEY_DOWN}, 20, 1, 12}, {{KEY_UP}, 14, 1, 12},
                     {{KEY_ENTER}, 22, 1, 8}, {{KEY_ESC}, 10, 1, 8},
                     {{KEY_LEFT}, 4, 1, 10},  {{KEY_RIGHT}, 4, 1, 10},
                     {{KEY_SPACE}, 2, 1, 6},  {{KEY_DEL}, 2, 1, 6},
                     {{KEY_F1}, 1, 1, 6},     {{KEY_F2}, 1, 1, 6},
                     {{KEY_U}, 1, 10, 60},    {{KEY_N}, 1, 10, 60},
                     {{KEY_L}, 1, 10, 60},    {{KEY_U, KEY_N, KEY_L}, 1, 5, 30}};
        break;
    case MonkeyScreen::Play:
    case MonkeyScreen::Recording:
        // ESC ends a training run at once, and F2 starts a recording over: both
        // come seldom, or no run would last to its clear, its time-out or a
        // game over.
        h.pressChance = 0.15;
        h.presses = {
            {{KEY_LEFT}, 200, 5, 120}, {{KEY_RIGHT}, 200, 5, 120},
            {{KEY_ENTER}, 40, 2, 90},  {{KEY_UP}, 32, 5, 60},
            {{KEY_DOWN}, 32, 5, 60},   {{KEY_SPACE}, 16, 1, 6},
            {{KEY_F1}, 16, 1, 10},     {{KEY_F2}, screen == MonkeyScreen::Play ? 24 : 1, 1, 10},
            {{KEY_ESC}, 1, 1, 6}};
        break;
    case MonkeyScreen::Playback:
        h.pressChance = 0.05;
        h.presses = {{{KEY_F1}, 8, 1, 30},   {{KEY_F2}, 8, 1, 30},    {{KEY_F3}, 8, 1, 30},
                     {{KEY_F4}, 8, 1, 30},   {{KEY_ESC}, 3, 1, 6},    {{KEY_SPACE}, 2, 1, 6},
                     {{KEY_LEFT}, 3, 1, 30}, {{KEY_RIGHT}, 3, 1, 30}, {{KEY_ENTER}, 2, 1, 30}};
        break;
    case MonkeyScreen::NameEntry:
        h.pressChance = 0.3;
        for (int k = KEY_A; k <= KEY_Z; ++k)
            h.presses.push_back({{k}, 1, 1, 6});
        for (int k = KEY_0; k <= KEY_9; ++k)
            h.presses.push_back({{k}, 1, 1, 6});
        h.presses.push_back({{KEY_SPACE}, 4, 1, 4});
        h.presses.push_back({{KEY_BACKSPACE}, 4, 1, 4});
        h.presses.push_back({{KEY_ENTER}, 3, 1, 6});
        h.presses.push_back({{KEY_ESC}, 1, 1, 6});
        break;
    }
    int stray = screen == MonkeyScreen::Play || screen == MonkeyScreen::Recording ? 8 : 1;
    for (int k : strayKeys)
        h.presses.push_back({{k}, stray, 1, 20});
    for (const Press& p : h.presses)
        h.totalWeight += p.weight;
    return h;
}

MonkeyKeys::MonkeyKeys(uint64_t seed) : rng(seed), framesLeft(KEY_MAX, 0) {
    for (MonkeyScreen s : {MonkeyScreen::Menu, MonkeyScreen::Play, MonkeyScreen::Recording,
                           MonkeyScreen::Playback, MonkeyScreen::NameEntry})
        habits.push_back(habitsFor(s));
}

int MonkeyKeys::between(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

void MonkeyKeys::press(const Press& p) {
    int hold = between(p.shortestHold, p.longestHold);
    for (int k : p.keys) {
        key[k] = 1;
        if (framesLeft[k] < hold) framesLeft[k] = hold;
    }
}

bool MonkeyKeys::step(MonkeyScreen screen) {
    bool changed = false;
    for (int k = 1; k < KEY_MAX; ++k) {
        // Whatever else wrote the array (nothing should) is taken back to ours.
        bool down = framesLeft[k] > 0 && --framesLeft[k] > 0;
        if ((key[k] != 0) != down) changed = true;
        key[k] = down ? 1 : 0;
    }
    const Habits& h = habits[(int)screen];
    if (std::uniform_real_distribution<double>(0, 1)(rng) < h.pressChance) {
        int pick = between(0, h.totalWeight - 1);
        for (const Press& p : h.presses) {
            if (pick < p.weight) {
                press(p);
                changed = true;
                break;
            }
            pick -= p.weight;
        }
    }
    return changed;
}

bool MonkeyKeys::anyHeld() const {
    for (int k = 1; k < KEY_MAX; ++k)
        if (framesLeft[k] > 0) return true;
    return false;
}

void MonkeyKeys::releaseAll() {
    for (int k = 1; k < KEY_MAX; ++k) {
        framesLeft[k] = 0;
        key[k] = 0;
    }
}
