#include "platform/picture.h"

#include <allegro.h>
#include <cstdint>

Picture Picture::create(int width, int height) {
    if (width <= 0 || height <= 0) return {};
    return adopt(create_bitmap(width, height));
}

Picture Picture::adopt(BITMAP* bitmap) {
    Picture picture;
    picture.bitmap = bitmap;
    return picture;
}

Picture::Picture(Picture&& other) noexcept : bitmap(other.bitmap) {
    other.bitmap = nullptr;
}

Picture& Picture::operator=(Picture&& other) noexcept {
    if (this != &other) {
        reset();
        bitmap = other.bitmap;
        other.bitmap = nullptr;
    }
    return *this;
}

Picture::~Picture() {
    reset();
}

int Picture::width() const {
    return bitmap ? bitmap->w : 0;
}

int Picture::height() const {
    return bitmap ? bitmap->h : 0;
}

void Picture::reset() {
    // A picture that outlives the library (a global at the program's end) is
    // left to the end of the process: the library cannot free it any more.
    if (!bitmap || !system_driver) return;
    destroy_bitmap(bitmap);
    bitmap = nullptr;
}

Colour colourOf(int red, int green, int blue) {
    return makecol(red, green, blue);
}

Colour transparentColour() {
    return makecol(255, 0, 255);
}

void colourParts(Colour colour, int& red, int& green, int& blue) {
    red = getr(colour);
    green = getg(colour);
    blue = getb(colour);
}

void clearPicture(Picture& picture, Colour colour) {
    if (picture) clear_to_color(picture.handle(), colour);
}

void fillRectangle(Picture& picture, int x, int y, int width, int height, Colour colour) {
    if (picture && width > 0 && height > 0)
        rectfill(picture.handle(), x, y, x + width - 1, y + height - 1, colour);
}

void outlineRectangle(Picture& picture, int x, int y, int width, int height, Colour colour) {
    if (picture && width > 0 && height > 0)
        rect(picture.handle(), x, y, x + width - 1, y + height - 1, colour);
}

void copyArea(const Picture& from, Picture& to, int fromX, int fromY, int toX, int toY, int width,
              int height) {
    if (from && to) blit(from.handle(), to.handle(), fromX, fromY, toX, toY, width, height);
}

void copyPicture(const Picture& from, Picture& to) {
    copyArea(from, to, 0, 0, 0, 0, from.width(), from.height());
}

namespace {
// The library's masked blit between two 16-bit pictures in memory, clipped as
// the library clips it, with a loop the compiler turns into wide instructions:
// the same pixels, several at a time.
[[gnu::optimize("tree-vectorize")]] bool maskedBlit16(BITMAP* src, BITMAP* dst, int sx, int sy,
                                                      int dx, int dy, int w, int h) {
    if (bitmap_color_depth(src) != 16 || bitmap_color_depth(dst) != 16 || !is_memory_bitmap(src) ||
        !is_memory_bitmap(dst))
        return false;
    if (sx >= src->w || sy >= src->h || dx >= dst->cr || dy >= dst->cb) return true;
    if (sx < 0) w += sx, dx -= sx, sx = 0;
    if (sy < 0) h += sy, dy -= sy, sy = 0;
    if (sx + w > src->w) w = src->w - sx;
    if (sy + h > src->h) h = src->h - sy;
    if (dx < dst->cl) dx -= dst->cl, w += dx, sx -= dx, dx = dst->cl;
    if (dy < dst->ct) dy -= dst->ct, h += dy, sy -= dy, dy = dst->ct;
    if (dx + w > dst->cr) w = dst->cr - dx;
    if (dy + h > dst->cb) h = dst->cb - dy;
    if (w <= 0 || h <= 0) return true;
    const auto mask = (uint16_t)bitmap_mask_color(src);
    for (int row = 0; row < h; ++row) {
        const uint16_t* from = (const uint16_t*)src->line[sy + row] + sx;
        uint16_t* to = (uint16_t*)dst->line[dy + row] + dx;
        for (int i = 0; i < w; ++i)
            to[i] = from[i] == mask ? to[i] : from[i];
    }
    return true;
}
} // namespace

void drawMasked(const Picture& from, Picture& to, int fromX, int fromY, int toX, int toY, int width,
                int height) {
    if (!from || !to) return;
    if (!maskedBlit16(from.handle(), to.handle(), fromX, fromY, toX, toY, width, height))
        masked_blit(from.handle(), to.handle(), fromX, fromY, toX, toY, width, height);
}

void drawMaskedScaled(const Picture& from, Picture& to, int fromX, int fromY, int fromWidth,
                      int fromHeight, int toX, int toY, int toWidth, int toHeight) {
    if (from && to)
        masked_stretch_blit(from.handle(), to.handle(), fromX, fromY, fromWidth, fromHeight, toX,
                            toY, toWidth, toHeight);
}

void drawTranslucent(const Picture& sprite, Picture& to, int x, int y, int alpha) {
    if (!sprite || !to) return;
    set_trans_blender(255, 255, 255, alpha);
    draw_trans_sprite(to.handle(), sprite.handle(), x, y);
}

void setPixel(Picture& picture, int x, int y, Colour colour) {
    if (picture) putpixel(picture.handle(), x, y, colour);
}

Colour pixelAt(const Picture& picture, int x, int y) {
    return picture ? getpixel(picture.handle(), x, y) : -1;
}

const unsigned char* pictureRow(const Picture& picture, int y) {
    if (!picture || y < 0 || y >= picture.height()) return nullptr;
    return picture.handle()->line[y];
}

size_t pictureRowBytes(const Picture& picture) {
    if (!picture) return 0;
    return (size_t)picture.width() * (size_t)((bitmap_color_depth(picture.handle()) + 7) / 8);
}

void drawLibraryText(Picture& picture, const char* text, int centreX, int y, Colour colour) {
    if (picture) textout_centre_ex(picture.handle(), font, text, centreX, y, colour, -1);
}
