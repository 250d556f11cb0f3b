#pragma once

#include "platform/picture.h"

// A full-screen message in the library's own font (so it works when the game font
// is what failed), shown until a button is pressed after having been released.
void showMessage(const char* title, const char* text);
void showError(const char* text);
// In tools (and tests) the message goes to standard error instead of waiting.
extern bool messagesToStderr;
// Library-font text centred on x, white over a black shadow.
void drawShadowText(Picture& picture, const char* text, int x, int y);
