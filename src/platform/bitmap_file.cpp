#include "platform/bitmap_file.h"

#include "platform/paths.h"

#include <allegro.h>

BITMAP* loadBitmap(const char* gamePath) {
    std::string path = resolvePath(gamePath);
    return load_bitmap(path.c_str(), nullptr);
}

void destroyBitmap(BITMAP*& bitmap) {
    if (bitmap) destroy_bitmap(bitmap);
    bitmap = nullptr;
}
