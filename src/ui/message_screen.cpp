#include "ui/message_screen.h"

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/headless.h"
#include "platform/input.h"

#include <cstdio>

bool messagesToStderr = false;

void drawShadowText(Picture& picture, const char* text, int x, int y) {
    drawLibraryText(picture, text, x, y, colourOf(0, 0, 0));
    drawLibraryText(picture, text, x + 2, y - 2, colourOf(255, 255, 255));
}

void showMessage(const char* title, const char* text) {
    if (messagesToStderr || !drawPage) {
        std::fprintf(stderr, "%s: %s\n", title, text);
        return;
    }
    FreshPress press;
    while (!press.consumePendingTicks()) {
        // Drawn on the page itself, so the caller's back buffer survives.
        clearPicture(*drawPage, colourOf(0, 0, 128));
        drawShadowText(*drawPage, title, screenWidth / 2, 12);
        drawShadowText(*drawPage, text, screenWidth / 2, 50);
        flipPage();
    }
}

void showError(const char* text) {
    showMessage("Error!", text);
}
