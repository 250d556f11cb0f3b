#include "platform/pad.h"

#include "platform/log.h"
#include "platform/paths.h"

#include <SDL.h>
#include <string>
#include <sys/stat.h>

namespace {
bool started = false;
// The player's pad: a game controller, or a joystick SDL cannot map.
SDL_GameController* controller = nullptr;
SDL_Joystick* joystick = nullptr;
SDL_JoystickID playerId = -1;
bool held[padButtonCount] = {};
int stickX = 0, stickY = 0;
// Half the stick's way, as a digital direction.
constexpr int stickThreshold = 16384;

static_assert(padButtonCount == SDL_CONTROLLER_BUTTON_MAX, "the pad's buttons are SDL's");

void loadMappings(const std::string& folder) {
    std::string path = (folder.empty() ? std::string(".") : folder) + "/gamecontrollerdb.txt";
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return;
    int added = SDL_GameControllerAddMappingsFromFile(path.c_str());
    // SDL counts the pads it did not know; a line for a known pad replaces
    // its mapping without being counted.
    std::string line = added < 0 ? "Unable to read pad mappings: " + path
                                 : "Pad mappings read from " + path + " (" +
                                       std::to_string(added) + " new pads)";
    gameLog.write(line.c_str());
}

void forgetPad() {
    if (controller)
        SDL_GameControllerClose(controller);
    else if (joystick)
        SDL_JoystickClose(joystick);
    controller = nullptr;
    joystick = nullptr;
    playerId = -1;
    for (bool& b : held)
        b = false;
    stickX = stickY = 0;
}

// Takes the device at `index` as the player's pad; false when it cannot be
// opened.
bool takePad(int index) {
    if (SDL_IsGameController(index)) {
        controller = SDL_GameControllerOpen(index);
        joystick = controller ? SDL_GameControllerGetJoystick(controller) : nullptr;
    } else {
        joystick = SDL_JoystickOpen(index);
    }
    if (!joystick) {
        forgetPad();
        return false;
    }
    playerId = SDL_JoystickInstanceID(joystick);
    return true;
}

bool takeFirstPad() {
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
        if (takePad(i)) return true;
    return false;
}

void logPad(const char* what) {
    const char* name = controller ? SDL_GameControllerName(controller) : SDL_JoystickName(joystick);
    gameLog.write((std::string(what) + (name ? name : "?")).c_str());
}

int digital(int value) {
    return value <= -stickThreshold ? -1 : value >= stickThreshold ? 1 : 0;
}

void readPad() {
    if (controller) {
        for (int b = 0; b < padButtonCount; ++b)
            held[b] = SDL_GameControllerGetButton(controller, (SDL_GameControllerButton)b) != 0;
        stickX = digital(SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX));
        stickY = digital(SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY));
        return;
    }
    int buttons = SDL_JoystickNumButtons(joystick);
    for (int b = 0; b < padButtonCount; ++b)
        held[b] = b < buttons && SDL_JoystickGetButton(joystick, b) != 0;
    if (SDL_JoystickNumHats(joystick) > 0) {
        Uint8 hat = SDL_JoystickGetHat(joystick, 0);
        held[int(PadButton::DpadUp)] |= (hat & SDL_HAT_UP) != 0;
        held[int(PadButton::DpadDown)] |= (hat & SDL_HAT_DOWN) != 0;
        held[int(PadButton::DpadLeft)] |= (hat & SDL_HAT_LEFT) != 0;
        held[int(PadButton::DpadRight)] |= (hat & SDL_HAT_RIGHT) != 0;
    }
    int axes = SDL_JoystickNumAxes(joystick);
    stickX = axes > 0 ? digital(SDL_JoystickGetAxis(joystick, 0)) : 0;
    stickY = axes > 1 ? digital(SDL_JoystickGetAxis(joystick, 1)) : 0;
}
} // namespace

bool startPads() {
    if (!started) {
        // The bottom face button confirms on every make of pad, whatever is
        // printed on it.
        SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
        if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return false;
        started = true;
        // SDL's own database first; the player's file last, so its lines win.
        loadMappings(dataRoot());
        if (userRoot() != dataRoot()) loadMappings(userRoot());
        takeFirstPad();
        // The pads there are now are not news for the log.
        SDL_PumpEvents();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    if (joystick) readPad();
    return joystick != nullptr;
}

void updatePads() {
    if (!started) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_JOYDEVICEREMOVED && joystick && event.jdevice.which == playerId) {
            logPad("Joystick disconnected: ");
            forgetPad();
            if (takeFirstPad()) logPad("Joystick connected: ");
        } else if (event.type == SDL_JOYDEVICEADDED && !joystick) {
            if (takePad(event.jdevice.which)) logPad("Joystick connected: ");
        }
    }
    if (joystick) readPad();
}

void closePads() {
    if (!started) return;
    forgetPad();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    started = false;
}

bool padConnected() {
    return joystick != nullptr;
}

bool padButtonHeld(PadButton button) {
    int i = int(button);
    return i >= 0 && i < padButtonCount && held[i];
}

int padStickX() {
    return stickX;
}
int padStickY() {
    return stickY;
}

namespace {
int virtualIndex = -1;
SDL_Joystick* virtualHandle = nullptr;

void attachVirtual(SDL_JoystickType type, int axes, int buttons, int hats, Uint32 buttonMask,
                   Uint32 axisMask, const char* name) {
    removeSimulatedPad();
    startPads();
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = (Uint16)type;
    desc.naxes = (Uint16)axes;
    desc.nbuttons = (Uint16)buttons;
    desc.nhats = (Uint16)hats;
    desc.button_mask = buttonMask;
    desc.axis_mask = axisMask;
    desc.name = name;
    virtualIndex = SDL_JoystickAttachVirtualEx(&desc);
    if (virtualIndex >= 0) virtualHandle = SDL_JoystickOpen(virtualIndex);
}
} // namespace

void simulateJoystick(int buttons) {
    if (buttons <= 0) {
        removeSimulatedPad();
        return;
    }
    attachVirtual(SDL_JOYSTICK_TYPE_UNKNOWN, 2, buttons, 1, 0, 0, "Simulated joystick");
}

void simulateJoystickButton(int index, bool down) {
    if (virtualHandle) SDL_JoystickSetVirtualButton(virtualHandle, index, down ? 1 : 0);
}

void simulatePad() {
    attachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                  SDL_CONTROLLER_BUTTON_MAX, 0, (1u << SDL_CONTROLLER_BUTTON_MAX) - 1,
                  (1u << SDL_CONTROLLER_AXIS_MAX) - 1, "Simulated pad");
}

void simulatePadButton(PadButton button, bool down) {
    simulateJoystickButton(int(button), down);
}

void simulatePadStick(int x, int y) {
    if (!virtualHandle) return;
    SDL_JoystickSetVirtualAxis(virtualHandle, SDL_CONTROLLER_AXIS_LEFTX, (Sint16)x);
    SDL_JoystickSetVirtualAxis(virtualHandle, SDL_CONTROLLER_AXIS_LEFTY, (Sint16)y);
}

void removeSimulatedPad() {
    if (virtualHandle) SDL_JoystickClose(virtualHandle);
    virtualHandle = nullptr;
    if (virtualIndex >= 0) {
        // Its device index may have moved since: find it again.
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickIsVirtual(i)) SDL_JoystickDetachVirtual(i);
    }
    virtualIndex = -1;
}
