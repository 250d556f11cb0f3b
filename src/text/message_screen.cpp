#include "text/message_screen.h"

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/headless.h"
#include "platform/input.h"

#include <allegro.h>
#include <cstdio>

bool messagesToStderr = false;

void drawShadowText(BITMAP* bitmap, const char* text, int x, int y) {
    textout_centre_ex(bitmap, font, text, x, y, makecol(0, 0, 0), -1);
    textout_centre_ex(bitmap, font, text, x + 2, y - 2, makecol(255, 255, 255), -1);
}

void showMessage(const char* title, const char* text) {
    if (messagesToStderr || !drawPage) {
        std::fprintf(stderr, "%s: %s\n", title, text);
        return;
    }
    FreshPress press;
    while (!press.consumePendingTicks()) {
        // Drawn on the page itself, so the caller's back buffer survives.
        clear_to_color(drawPage, makecol(0, 0, 128));
        drawShadowText(drawPage, title, screenWidth / 2, 12);
        drawShadowText(drawPage, text, screenWidth / 2, 50);
        flipPage();
    }
}

void showError(const char* text) {
    showMessage("Error!", text);
}
