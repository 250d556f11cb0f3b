#pragma once

#include "platform/picture.h"

// The fixed 320 by 240 frame every screen draws.
extern int screenWidth;
extern int screenHeight;

// The canvas of every screen; replaced (content lost) whenever the mode is set.
extern Picture backBuffer;
// The hidden page that the next flip shows (null before the display starts).
extern Picture* drawPage;
// Black 320 by 240 source of the fade and the dimming.
extern Picture darkOverlay;

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
// The mode in effect (a window when the full screen was refused).
bool displayIsWindowed();
// Headless runs stand in for a desktop that refuses the full screen.
void simulateFullScreenRefused(bool refused);

// Headless runs (tests, benchmarks) can have every flip enlarge the shown page as
// a screen of this scale and colour depth would get it; false when that depth
// cannot be made. Setting the mode again ends it.
bool scaleHeadlessFrames(int factor, int depth);
// The last enlarged picture (empty when flips do not enlarge).
const Picture& scaledFrame();

void flipPage();
// Copies the back buffer to the hidden page, draws the page overlay on it and
// flips.
void presentFrame();

// Drawn on every presented page after the back buffer is copied, never into the
// back buffer, so a screen that copies the back buffer never captures it. The
// game puts its frame counter here.
using PageOverlay = void (*)(Picture& page);
void setPageOverlay(PageOverlay overlay);
void shutdownGraphics();

// Fades the picture in the back buffer to black over about 22 ticks.
void fadeOut();
// Darkens a picture to half brightness.
void drawDimOverlay(Picture& picture);

// The window's title bar.
void setWindowTitle(const char* title);
// The window's close button asks the game to leave, as a signal does.
void letCloseButtonQuit();
// The game goes on running while its window is in the background.
void keepRunningInBackground();
// True once after the window lost the focus (a game or training run pauses).
bool takeFocusLoss();
// Headless runs stand in for the desktop taking the focus away.
void simulateFocusLoss();
// A message box of the desktop, for the one error that has no window to show
// it in; then the media library is closed.
void showSystemMessage(const char* text);
