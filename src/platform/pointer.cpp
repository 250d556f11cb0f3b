#include "platform/pointer.h"

#include "platform/display.h"
#include "platform/headless.h"

#include <allegro.h>

namespace {
bool started = false;
PointerState simulated;
int lastWheel = 0;
} // namespace

bool startPointer() {
    if (headlessMode) return true;
    if (install_mouse() < 0) return false;
    // The X server's own cursor: it moves without the frame being drawn again.
    enable_hardware_cursor();
    select_mouse_cursor(MOUSE_CURSOR_ARROW);
    show_mouse(screen);
    lastWheel = mouse_z;
    started = true;
    return true;
}

PointerState readPointer() {
    if (headlessMode || !started) {
        PointerState state = simulated;
        simulated.wheel = 0;
        return state;
    }
    if (mouse_needs_poll()) poll_mouse();
    PointerState state;
    int scale = displayScale() > 0 ? displayScale() : 1;
    // The frame is centred in a full screen; the window holds it at its corner.
    int offsetX = (SCREEN_W - screenWidth * scale) / 2,
        offsetY = (SCREEN_H - screenHeight * scale) / 2;
    if (offsetX < 0) offsetX = 0;
    if (offsetY < 0) offsetY = 0;
    if (displayIsWindowed()) offsetX = offsetY = 0;
    int x = mouse_x - offsetX, y = mouse_y - offsetY;
    state.x = x < 0 ? -1 : x / scale;
    state.y = y < 0 ? -1 : y / scale;
    int buttons = mouse_b;
    state.left = buttons & 1;
    state.right = buttons & 2;
    state.middle = buttons & 4;
    state.wheel = mouse_z - lastWheel;
    lastWheel = mouse_z;
    return state;
}

void simulatePointer(int x, int y, bool left, bool right) {
    simulated.x = x;
    simulated.y = y;
    simulated.left = left;
    simulated.right = right;
}

void simulateWheel(int clicks) {
    simulated.wheel += clicks;
}
