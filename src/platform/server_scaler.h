#pragma once

#include <cstdint>

struct BITMAP;

// The X server enlarges the frame: each presented page goes over once at 320 by
// 240, in shared memory, and the server's picture extension (XRender) scales
// it by the whole-number factor with nearest-neighbour sampling straight into
// the window. The game then never makes or sends the enlarged picture; a
// desktop's server does the scaling on its graphics card.
//
// It is used only where it gives the very pixels the game's own scaler gives:
// `start` checks the server's scaling of a test picture against them first,
// and the display falls back to its own scaler otherwise.
class ServerScaler {
public:
    ServerScaler() = default;
    ServerScaler(const ServerScaler&) = delete;
    ServerScaler& operator=(const ServerScaler&) = delete;
    ~ServerScaler() { stop(); }

    // For the window or full screen just opened, its frame at (x, y) enlarged
    // by `factor`; `colours` gives the screen's pixel for every 16-bit page
    // pixel. False (and nothing held) when the server lacks the extensions, the
    // screen's pixels are not 32 bits wide, or the check fails.
    bool start(int factor, int x, int y, const uint32_t* colours);
    void stop();
    bool active() const { return running; }
    // Shows a 16-bit 320 by 240 page.
    void present(BITMAP* page);

private:
    bool running = false;
    struct Server;
    Server* server = nullptr;
};
