#pragma once

struct BITMAP;

// Loads a ".BMP" named by a game path, converted to the display's colour depth;
// null when it cannot be loaded.
BITMAP* loadBitmap(const char* gamePath);
// Destroys a bitmap if there is one and forgets it.
void destroyBitmap(BITMAP*& bitmap);
