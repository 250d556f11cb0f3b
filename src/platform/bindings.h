#pragma once

#include "platform/keys.h"

// What the player does, each with a key and a pad button the player may change.
// An action belongs to one or more contexts (play, demo playback, the menus); a
// key or button serves at most one action of a context, so actions that never
// meet (the notes in play, the quarter speed in playback) may share one.
enum class Action {
    Left,
    Right,
    Up,
    Down,
    Confirm, // menus; in play the camera lock and look
    Back,    // menus; in play the way out
    Record,
    Pause,
    Notes,
    Speed1, // playback at a quarter, half, normal and one and a half speed
    Speed2,
    Speed3,
    Speed4,
    Count
};
constexpr int actionCount = int(Action::Count);

enum class InputContext { Play, Playback, Menus };

// A pad's buttons in the layout of SDL's game controllers: A is the bottom face
// button whatever its maker prints on it, B the right one, X the left. A pad
// SDL does not know reports raw buttons by number, in this same order.
enum class PadButton {
    None = -1,
    A,
    B,
    X,
    Y,
    Back,
    Guide,
    Start,
    LeftStick,
    RightStick,
    LeftShoulder,
    RightShoulder,
    DpadUp,
    DpadDown,
    DpadLeft,
    DpadRight,
    Misc1,
    Paddle1,
    Paddle2,
    Paddle3,
    Paddle4,
    Touchpad,
    Count
};
constexpr int padButtonCount = int(PadButton::Count);

struct Binding {
    Key key = Key::None;
    PadButton button = PadButton::None;
};

struct Bindings {
    Binding of[actionCount];

    // The design's keys, and the usual pad buttons: the d-pad steers, A
    // confirms, B goes back, X records, Start pauses, Back shows the notes.
    static Bindings defaults();
    const Binding& operator[](Action action) const { return of[int(action)]; }
    // Binds `key` (or `button`) to `action`. An action sharing a context with it
    // that used it before gets the action's old one instead: the two swap (in
    // the rare case where that would clash in the other's own contexts, it gets
    // its default, or nothing).
    void bindKey(Action action, Key key);
    void bindButton(Action action, PadButton button);
    bool operator==(const Bindings& other) const;
};

// The bindings every input reads; the defaults until the game loads its own.
extern Bindings bindings;

bool actionIn(Action action, InputContext context);
bool shareContext(Action a, Action b);

// The names of the bindings file: "left", "speed1"; "a", "dpleft", "leftshoulder"
// (SDL's names). Lookups take any letter case and give Action::Count or
// PadButton::None for a name they do not know.
const char* actionName(Action action);
Action actionNamed(const char* name);
const char* padButtonName(PadButton button);
PadButton padButtonNamed(const char* name);
