#include "platform/bindings.h"

#include <cctype>
#include <initializer_list>

Bindings bindings = Bindings::defaults();

namespace {
const char* const actionNames[actionCount] = {
    "left",  "right", "up",    "down",   "confirm", "back",   "record",
    "pause", "notes", "speed1", "speed2", "speed3",  "speed4",
};

// SDL's own names for the game controller buttons, in their order.
const char* const padButtonNames[padButtonCount] = {
    "a",          "b",         "x",         "y",      "back",    "guide",
    "start",      "leftstick", "rightstick", "leftshoulder", "rightshoulder", "dpup",
    "dpdown",     "dpleft",    "dpright",   "misc1",  "paddle1", "paddle2",
    "paddle3",    "paddle4",   "touchpad",
};

bool sameName(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (std::tolower((unsigned char)*a) != std::tolower((unsigned char)*b)) return false;
    return *a == *b;
}

// True when no action sharing a context with `action` uses `value`.
template <typename Value, typename Slot>
bool freeFor(const Bindings& all, Action action, Value value, Slot slot) {
    if (value == Value::None) return true;
    for (int other = 0; other < actionCount; ++other)
        if (other != int(action) && shareContext(Action(other), action) &&
            all.of[other].*slot == value)
            return false;
    return true;
}

// The action takes the value; one sharing a context with it that had it takes
// the action's old one, or (when that would clash in one of its own contexts)
// its default, or nothing: no context ever has a key or button twice.
template <typename Value, typename Slot>
void bind(Bindings& all, Action action, Value value, Slot slot) {
    Value old = all.of[int(action)].*slot;
    all.of[int(action)].*slot = value;
    if (value == Value::None) return;
    const Bindings defaults = Bindings::defaults();
    for (int other = 0; other < actionCount; ++other) {
        if (other == int(action) || !shareContext(Action(other), action) ||
            all.of[other].*slot != value)
            continue;
        Value fallback = defaults.of[other].*slot;
        all.of[other].*slot = Value::None;
        if (freeFor(all, Action(other), old, slot))
            all.of[other].*slot = old;
        else if (freeFor(all, Action(other), fallback, slot))
            all.of[other].*slot = fallback;
    }
}
} // namespace

Bindings Bindings::defaults() {
    Bindings b;
    auto set = [&b](Action a, Key key, PadButton button) { b.of[int(a)] = {key, button}; };
    set(Action::Left, Key::Left, PadButton::DpadLeft);
    set(Action::Right, Key::Right, PadButton::DpadRight);
    set(Action::Up, Key::Up, PadButton::DpadUp);
    set(Action::Down, Key::Down, PadButton::DpadDown);
    set(Action::Confirm, Key::Return, PadButton::A);
    set(Action::Back, Key::Escape, PadButton::B);
    set(Action::Record, Key::F2, PadButton::X);
    set(Action::Pause, Key::Space, PadButton::Start);
    set(Action::Notes, Key::F1, PadButton::Back);
    set(Action::Speed1, Key::F1, PadButton::None);
    set(Action::Speed2, Key::F2, PadButton::None);
    set(Action::Speed3, Key::F3, PadButton::None);
    set(Action::Speed4, Key::F4, PadButton::None);
    return b;
}

void Bindings::bindKey(Action action, Key key) {
    bind(*this, action, key, &Binding::key);
}

void Bindings::bindButton(Action action, PadButton button) {
    bind(*this, action, button, &Binding::button);
}

bool Bindings::operator==(const Bindings& other) const {
    for (int i = 0; i < actionCount; ++i)
        if (of[i].key != other.of[i].key || of[i].button != other.of[i].button) return false;
    return true;
}

bool actionIn(Action action, InputContext context) {
    switch (context) {
    case InputContext::Play:
        return action <= Action::Notes;
    case InputContext::Playback:
        return action == Action::Back || action >= Action::Speed1;
    case InputContext::Menus:
        return action <= Action::Back;
    }
    return false;
}

bool shareContext(Action a, Action b) {
    for (InputContext c : {InputContext::Play, InputContext::Playback, InputContext::Menus})
        if (actionIn(a, c) && actionIn(b, c)) return true;
    return false;
}

const char* actionName(Action action) {
    int i = int(action);
    return i >= 0 && i < actionCount ? actionNames[i] : "";
}

Action actionNamed(const char* name) {
    for (int i = 0; i < actionCount; ++i)
        if (sameName(actionNames[i], name)) return Action(i);
    return Action::Count;
}

const char* padButtonName(PadButton button) {
    int i = int(button);
    return i >= 0 && i < padButtonCount ? padButtonNames[i] : "";
}

PadButton padButtonNamed(const char* name) {
    for (int i = 0; i < padButtonCount; ++i)
        if (sameName(padButtonNames[i], name)) return PadButton(i);
    return PadButton::None;
}
