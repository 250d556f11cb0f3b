#pragma once

struct BITMAP;

// The fixed 320 by 240 frame every screen draws.
extern int screenWidth;
extern int screenHeight;

// The canvas of every screen; replaced (content lost) whenever the mode is set.
extern BITMAP* backBuffer;
// The hidden page that the next flip shows.
extern BITMAP* drawPage;
// Black 320 by 240 source of the fade and the dimming.
extern BITMAP* darkOverlay;

// Starts the library and opens the display; false when no mode could be set.
bool initGraphics(int width, int height, bool windowed);
// Tells whoever started `program` from a terminal why no window opened (the
// library's own reason is often empty): no display named, a display that does
// not answer, or one that refused the window.
void reportDisplayFailure(const char* program);
// Starts the library without a window (tests, tools): memory pages only.
bool initHeadlessGraphics();
// Opens (again) a window or the full screen and makes new pages and back buffer.
bool setDisplayMode(int width, int height, bool windowed);
// Window or full screen; usable while the game runs. When no full-screen mode
// works, the window comes back and the log says so.
void applyWindowMode(bool fullScreen);
// Whole-number enlargement of the frame on the real screen (1 when headless).
int displayScale();
bool displayIsWindowed();

// Headless runs (tests, benchmarks) can have every flip enlarge the shown page as
// a screen of this scale and colour depth would get it; false when that depth
// cannot be made. Setting the mode again ends it.
bool scaleHeadlessFrames(int factor, int depth);
// The last enlarged picture (null when flips do not enlarge).
BITMAP* scaledFrame();

void flipPage();
// Copies the back buffer to the hidden page, draws the page overlay on it and
// flips.
void presentFrame();

// Drawn on every presented page after the back buffer is copied, never into the
// back buffer, so a screen that copies the back buffer never captures it. The
// game puts its frame counter here.
using PageOverlay = void (*)(BITMAP* page);
void setPageOverlay(PageOverlay overlay);
void shutdownGraphics();

// Fades the picture in the back buffer to black over about 22 ticks.
void fadeOut();
// Darkens a bitmap to half brightness.
void drawDimOverlay(BITMAP* bitmap);
