#pragma once

// The game's window as the end-to-end tests see it, through the X server: the
// 320 by 240 frame the game presented (the window holds it enlarged by a whole
// number and centred), and the close request a window manager sends.

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
};

// A part of the frame, in frame pixels.
struct FrameArea {
    int x = 0, y = 0, w = 320, h = 240;
};

class WindowFrame {
public:
    // Connects to $DISPLAY; false when there is no server.
    bool connect();
    ~WindowFrame();

    // Reads `area` of the frame now shown in `window` into `pixels` (320 * 240,
    // row by row; the rest keeps what it had); false when the window is gone,
    // unmapped or smaller than a frame. A small area is a quick look.
    bool capture(unsigned long window, FrameArea area = {});
    const Rgb& at(int x, int y) const { return pixels[(size_t)y * 320 + (size_t)x]; }

    // Sends WM_DELETE_WINDOW, as a window manager does for the close button;
    // false when the window does not take it.
    bool askToClose(unsigned long window);

private:
    void* display = nullptr;
    std::vector<Rgb> pixels = std::vector<Rgb>(320 * 240);
};

// A window id as xdotool prints it (decimal) or as X tools do (0x...).
unsigned long parseWindowId(const std::string& text);
