#include "tool/monkey_keys.h"

#include "platform/input.h"

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
const Key strayKeys[] = {Key::Tab,    Key::LeftShift, Key::Home, Key::End,
                         Key::PageUp, Key::Q,         Key::X,    Key::Digit5};
} // namespace

// Weights are relative within a screen. ESC and ENTER come often enough in menus
// to move from screen to screen; in play ESC is rare, or no run would last.
MonkeyKeys::Habits MonkeyKeys::habitsFor(MonkeyScreen screen) {
    Habits h;
    switch (screen) {
    case MonkeyScreen::Menu:
        h.pressChance = 0.25;
        h.presses = {{{Key::Down}, 20, 1, 12},  {{Key::Up}, 14, 1, 12},
                     {{Key::Return}, 22, 1, 8}, {{Key::Escape}, 10, 1, 8},
                     {{Key::Left}, 4, 1, 10},   {{Key::Right}, 4, 1, 10},
                     {{Key::Space}, 2, 1, 6},   {{Key::Delete}, 2, 1, 6},
                     {{Key::F1}, 1, 1, 6},      {{Key::F2}, 1, 1, 6},
                     {{Key::U}, 1, 10, 60},     {{Key::N}, 1, 10, 60},
                     {{Key::L}, 1, 10, 60},     {{Key::U, Key::N, Key::L}, 1, 5, 30}};
        break;
    case MonkeyScreen::Play:
    case MonkeyScreen::Recording:
        // ESC ends a training run at once, and F2 starts a recording over: both
        // come seldom, or no run would last to its clear, its time-out or a
        // game over.
        h.pressChance = 0.15;
        h.presses = {
            {{Key::Left}, 200, 5, 120}, {{Key::Right}, 200, 5, 120},
            {{Key::Return}, 40, 2, 90}, {{Key::Up}, 32, 5, 60},
            {{Key::Down}, 32, 5, 60},   {{Key::Space}, 16, 1, 6},
            {{Key::F1}, 16, 1, 10},     {{Key::F2}, screen == MonkeyScreen::Play ? 24 : 1, 1, 10},
            {{Key::Escape}, 1, 1, 6}};
        break;
    case MonkeyScreen::Playback:
        h.pressChance = 0.05;
        h.presses = {{{Key::F1}, 8, 1, 30},   {{Key::F2}, 8, 1, 30},    {{Key::F3}, 8, 1, 30},
                     {{Key::F4}, 8, 1, 30},   {{Key::Escape}, 3, 1, 6}, {{Key::Space}, 2, 1, 6},
                     {{Key::Left}, 3, 1, 30}, {{Key::Right}, 3, 1, 30}, {{Key::Return}, 2, 1, 30}};
        break;
    case MonkeyScreen::NameEntry:
        h.pressChance = 0.3;
        for (int i = 0; i < 26; ++i)
            h.presses.push_back({{letterKey(i)}, 1, 1, 6});
        for (int i = 0; i < 10; ++i)
            h.presses.push_back({{digitKey(i)}, 1, 1, 6});
        h.presses.push_back({{Key::Space}, 4, 1, 4});
        h.presses.push_back({{Key::Backspace}, 4, 1, 4});
        h.presses.push_back({{Key::Return}, 3, 1, 6});
        h.presses.push_back({{Key::Escape}, 1, 1, 6});
        break;
    }
    int stray = screen == MonkeyScreen::Play || screen == MonkeyScreen::Recording ? 8 : 1;
    for (Key k : strayKeys)
        h.presses.push_back({{k}, stray, 1, 20});
    for (const Press& p : h.presses)
        h.totalWeight += p.weight;
    return h;
}

MonkeyKeys::MonkeyKeys(uint64_t seed) : rng(seed), framesLeft(size_t(Key::Count), 0) {
    for (MonkeyScreen s : {MonkeyScreen::Menu, MonkeyScreen::Play, MonkeyScreen::Recording,
                           MonkeyScreen::Playback, MonkeyScreen::NameEntry})
        habits.push_back(habitsFor(s));
}

int MonkeyKeys::between(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

void MonkeyKeys::press(const Press& p) {
    int hold = between(p.shortestHold, p.longestHold);
    for (Key k : p.keys) {
        simulateKey(k, true);
        if (framesLeft[size_t(k)] < hold) framesLeft[size_t(k)] = hold;
    }
}

bool MonkeyKeys::step(MonkeyScreen screen) {
    bool changed = false;
    for (int k = 1; k < int(Key::Count); ++k) {
        // Whatever else held a key (nothing should) is taken back to ours.
        bool down = framesLeft[k] > 0 && --framesLeft[k] > 0;
        if (isKeyDown(Key(k)) != down) changed = true;
        simulateKey(Key(k), down);
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
    for (int k = 1; k < int(Key::Count); ++k)
        if (framesLeft[k] > 0) return true;
    return false;
}

void MonkeyKeys::releaseAll() {
    for (int k = 1; k < int(Key::Count); ++k) {
        framesLeft[k] = 0;
        simulateKey(Key(k), false);
    }
}
