#include "window_frame.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cstdlib>

namespace {
// The window may go away between two looks (the game is leaving): an X error
// then means "not seen", never the end of the probe.
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

Display* asDisplay(void* d) {
    return static_cast<Display*>(d);
}

// The 8-bit value of a channel given by its mask in a pixel.
uint8_t channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1))
        ++shift;
    unsigned long max = mask >> shift;
    return (uint8_t)(((pixel & mask) >> shift) * 255 / max);
}
} // namespace

bool WindowFrame::connect() {
    display = XOpenDisplay(nullptr);
    if (display) XSetErrorHandler(ignoreErrors);
    return display != nullptr;
}

WindowFrame::~WindowFrame() {
    if (display) XCloseDisplay(asDisplay(display));
}

bool WindowFrame::capture(unsigned long window, FrameArea area) {
    if (area.w <= 0 || area.h <= 0) return false;
    Display* d = asDisplay(display);
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, window, &a) || a.map_state != IsViewable) return false;
    int scale = a.width / 320 < a.height / 240 ? a.width / 320 : a.height / 240;
    if (scale < 1) return false;
    int left = (a.width - 320 * scale) / 2 + area.x * scale;
    int top = (a.height - 240 * scale) / 2 + area.y * scale;
    XImage* image = XGetImage(d, window, left, top, (unsigned)(area.w * scale),
                              (unsigned)(area.h * scale), AllPlanes, ZPixmap);
    if (!image) return false;
    // The middle of each enlarged pixel.
    for (int y = 0; y < area.h; ++y)
        for (int x = 0; x < area.w; ++x) {
            unsigned long p = XGetPixel(image, x * scale + scale / 2, y * scale + scale / 2);
            pixels[(size_t)(area.y + y) * 320 + (size_t)(area.x + x)] = {
                channel(p, image->red_mask), channel(p, image->green_mask),
                channel(p, image->blue_mask)};
        }
    XDestroyImage(image);
    return true;
}

bool WindowFrame::askToClose(unsigned long window) {
    Display* d = asDisplay(display);
    Atom protocols = XInternAtom(d, "WM_PROTOCOLS", False);
    Atom deleteWindow = XInternAtom(d, "WM_DELETE_WINDOW", False);
    Atom* offered = nullptr;
    int count = 0;
    bool takesIt = false;
    if (XGetWMProtocols(d, window, &offered, &count)) {
        for (int i = 0; i < count; ++i)
            takesIt = takesIt || offered[i] == deleteWindow;
        XFree(offered);
    }
    if (!takesIt) return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)deleteWindow;
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, window, False, NoEventMask, &event);
    XSync(d, False);
    return true;
}

unsigned long parseWindowId(const std::string& text) {
    return std::strtoul(text.c_str(), nullptr, 0);
}
