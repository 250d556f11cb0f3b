#include "platform/display.h"

#include "platform/clock.h"
#include "platform/display_loss.h"
#include "platform/frame_scaler.h"
#include "platform/headless.h"
#include "platform/log.h"
#include "platform/pad.h"
#include "platform/quit_request.h"

#include <allegro.h>
#include <atomic>
#include <cstdio>
#include <cstdlib>

int screenWidth = 320;
int screenHeight = 240;
Picture backBuffer;
Picture* drawPage = nullptr;
Picture darkOverlay;

namespace {
std::atomic<bool> focusLost{false};

// Called by the library's own thread when the window loses the focus.
void onSwitchOut() {
    focusLost = true;
}

// Setting the switch mode removes the library's switch callbacks: ours comes
// back with it.
void runInBackground() {
    set_display_switch_mode(SWITCH_BACKGROUND);
    if (!headlessMode) set_display_switch_callback(SWITCH_OUT, onSwitchOut);
}

Picture firstPage;
Picture secondPage;
int scale = 1;
int offsetX = 0;
int offsetY = 0;
bool windowedMode = true;
// Headless runs stand in for a desktop that has no full-screen mode to give.
bool fullScreenRefused = false;
PageOverlay pageOverlay = nullptr;
// The shown page enlarged at the screen's depth; without it a flip stretches the
// page onto the screen through the library.
FrameScaler frameScaler;
Picture scaledPage;

void destroyPages() {
    // Pages are memory bitmaps: the X11 driver offers neither video bitmaps nor
    // page flipping, so a flip copies the shown page to the screen, enlarged.
    for (Picture* p : {&firstPage, &secondPage, &backBuffer, &scaledPage})
        p->reset();
    drawPage = nullptr;
}

// The enlarged page at the scaler's depth; none when that depth cannot be made.
void makeScaledPage(int factor, int depth) {
    scaledPage.reset();
    if (frameScaler.prepare(depth))
        scaledPage = Picture::adopt(create_bitmap_ex(depth, 320 * factor, 240 * factor));
}

void desktopSize(int& width, int& height) {
    if (get_desktop_resolution(&width, &height) != 0 || width <= 0 || height <= 0) {
        width = 640;
        height = 480;
    }
}

// The largest whole-number enlargement at which the frame fits within about 85%
// of the desktop.
int windowScale() {
    int w, h;
    desktopSize(w, h);
    int s = 1;
    while (320 * (s + 1) * 100 <= w * 85 && 240 * (s + 1) * 100 <= h * 85)
        ++s;
    return s;
}

// The screen opens at the desktop's own depth, so that the X driver copies the
// finished picture instead of converting every pixel of every frame; 16 bits when
// the desktop has any other depth (the driver converts then, once per frame).
// Everything else (pages, loaded pictures, colours) stays 16-bit.
bool openScreen(int driver, int width, int height) {
    int depth = desktop_color_depth();
    if (depth != 24 && depth != 32) depth = 16;
    set_color_depth(depth);
    bool ok = set_gfx_mode(driver, width, height, 0, 0) == 0;
    if (!ok && depth != 16) {
        set_color_depth(16);
        ok = set_gfx_mode(driver, width, height, 0, 0) == 0;
    }
    set_color_depth(16);
    return ok;
}

bool setWindowMode() {
    int wanted = windowScale();
    // Asking again for the window we already have would only close and reopen it
    // (a flicker, and the window loses the focus).
    if (screen && windowedMode && is_windowed_mode() && wanted == scale) return true;
    scale = wanted;
    offsetX = offsetY = 0;
    // An X server that is still starting (a fresh session, a busy machine) can
    // refuse the first window; a short wait and another try cost nothing.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (openScreen(GFX_AUTODETECT_WINDOWED, 320 * scale, 240 * scale)) return true;
        rest(250);
    }
    return false;
}

// Full screen at the desktop's own resolution, the frame scaled by a whole number
// and centred on black borders.
bool setFullscreenMode() {
    int w, h;
    desktopSize(w, h);
    request_refresh_rate(60);
    for (int driver : {GFX_XWINDOWS_FULLSCREEN, GFX_XDGA2, GFX_AUTODETECT_FULLSCREEN}) {
        if (openScreen(driver, w, h)) {
            scale = w / 320 < h / 240 ? w / 320 : h / 240;
            if (scale < 1) scale = 1;
            offsetX = (SCREEN_W - 320 * scale) / 2;
            offsetY = (SCREEN_H - 240 * scale) / 2;
            if (offsetX < 0) offsetX = 0;
            if (offsetY < 0) offsetY = 0;
            clear_to_color(screen, makecol(0, 0, 0));
            return true;
        }
    }
    return false;
}
} // namespace

bool initGraphics(int width, int height, bool windowed) {
    leaveWhenTheDisplayIsLost();
    if (allegro_init() != 0) return false;
    if (!setDisplayMode(width, height, windowed)) return false;
    install_timer();
    install_keyboard();
    return true;
}

bool initHeadlessGraphics() {
    headlessMode = true;
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return false;
    set_color_depth(16);
    return setDisplayMode(screenWidth, screenHeight, true);
}

bool setDisplayMode(int /*width*/, int /*height*/, bool windowed) {
    destroyPages();
    bool ok = true;
    if (headlessMode) {
        set_color_depth(16);
        scale = 1;
        ok = windowed || !fullScreenRefused;
    } else {
        ok = windowed ? setWindowMode() : setFullscreenMode();
    }
    windowedMode = windowed;
    if (ok && !headlessMode && screen) makeScaledPage(scale, bitmap_color_depth(screen));
    // The frame is always 320 by 240, whatever the mode.
    firstPage = Picture::create(320, 240);
    secondPage = Picture::create(320, 240);
    drawPage = &secondPage;
    backBuffer = Picture::create(320, 240);
    return ok;
}

// Tells whoever started the game from a terminal why no window opened: the
// library's own reason is often empty.
void reportDisplayFailure(const char* program) {
    const char* display = std::getenv("DISPLAY");
    bool named = display && display[0];
    if (!named)
        std::fprintf(
            stderr,
            "%s: no X display is set (DISPLAY is empty), so the game cannot open its window",
            program);
    else if (!system_driver) // the library could not even reach the display
        std::fprintf(stderr, "%s: cannot open the X display %s", program, display);
    else
        std::fprintf(stderr, "%s: cannot open a window on the X display %s", program, display);
    if (allegro_error[0]) std::fprintf(stderr, ": %s", allegro_error);
    std::fputc('\n', stderr);
}

void applyWindowMode(bool fullScreen) {
    bool windowed = !fullScreen;
    // The picture of the moment survives the new pages: a switch in the middle
    // of a screen (Alt+Enter) must not leave it black until it draws again.
    Picture kept = Picture::create(320, 240);
    copyPicture(backBuffer, kept);
    if (!setDisplayMode(screenWidth, screenHeight, windowed) && !windowed) {
        gameLog.write("Unable to set full screen mode, using a window");
        setDisplayMode(screenWidth, screenHeight, true);
    }
    copyPicture(kept, backBuffer);
    runInBackground();
}

int displayScale() {
    return scale;
}
bool displayIsWindowed() {
    return windowedMode;
}

void simulateFullScreenRefused(bool refused) {
    fullScreenRefused = refused;
}

bool scaleHeadlessFrames(int factor, int depth) {
    if (!headlessMode || factor < 1) return false;
    makeScaledPage(factor, depth);
    return (bool)scaledPage;
}

const Picture& scaledFrame() {
    return scaledPage;
}

void flipPage() {
    if (scaledPage && drawPage && *drawPage) {
        frameScaler.scale(drawPage->handle(), scaledPage.handle());
        // One blit of the whole picture: the X driver sends it to the window at once.
        if (!headlessMode && screen)
            blit(scaledPage.handle(), screen, 0, 0, offsetX, offsetY, scaledPage.width(),
                 scaledPage.height());
    } else if (!headlessMode && screen && drawPage && *drawPage) {
        if (scale == 1)
            blit(drawPage->handle(), screen, 0, 0, offsetX, offsetY, 320, 240);
        else
            stretch_blit(drawPage->handle(), screen, 0, 0, 320, 240, offsetX, offsetY, 320 * scale,
                         240 * scale);
    }
    drawPage = drawPage == &firstPage ? &secondPage : &firstPage;
    fpsCounter.frameDone();
    runFrameHook();
    // Presenting the same picture again before the next tick would only burn CPU.
    waitForTick();
}

void setPageOverlay(PageOverlay overlay) {
    pageOverlay = overlay;
}

void presentFrame() {
    if (drawPage) {
        copyPicture(backBuffer, *drawPage);
        if (pageOverlay) pageOverlay(*drawPage);
    }
    flipPage();
}

void shutdownGraphics() {
    gameLog.write("Destroying Pages");
    destroyPages();
    gameLog.write("Removing keyboard");
    remove_keyboard();
    gameLog.write("Removing timer");
    remove_timer();
    gameLog.write("Removing joystick");
    closePads();
    gameLog.write("Return to GFX_TEXT mode");
    set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
    gameLog.write("allegro_exit();");
    allegro_exit();
}

void fadeOut() {
    Picture snapshot = Picture::create(320, 240);
    copyPicture(backBuffer, snapshot);
    int alpha = 0;
    // Someone who asked to quit does not wait for the fade.
    while (!quitRequested()) {
        while (gameTicks > 0) {
            alpha += 12;
            if (alpha >= 255) return;
            gameTicks -= 1;
        }
        copyPicture(snapshot, backBuffer);
        drawTranslucent(darkOverlay, backBuffer, 0, 0, alpha);
        presentFrame();
    }
}

void drawDimOverlay(Picture& picture) {
    drawTranslucent(darkOverlay, picture, 0, 0, 128);
}

void setWindowTitle(const char* title) {
    set_window_title(title);
}

void letCloseButtonQuit() {
    // The library calls it from its own thread: the request is an atomic flag.
    set_close_button_callback(requestQuit);
}

void keepRunningInBackground() {
    runInBackground();
}

bool takeFocusLoss() {
    return focusLost.exchange(false);
}

void simulateFocusLoss() {
    focusLost = true;
}

void showSystemMessage(const char* text) {
    allegro_message("%s", text);
    allegro_exit();
}
