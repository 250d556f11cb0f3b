#pragma once

// The game's pictures and how it draws them. Every picture (a loaded ".BMP", a
// page, the back buffer, a banner drawn once) is a Picture; the rest of the
// game draws only through the calls below, so the media library behind them
// is known to this folder alone.

#include <cstddef>

struct BITMAP; // the media library's own picture; only the platform looks inside

// A pixel value at the pictures' colour depth, as colourOf makes it.
using Colour = int;

// An owning picture, moved and never copied. An empty one draws nothing and
// has no size; every call below allows for it.
class Picture {
public:
    Picture() = default;
    // A picture of the frame's colour depth; its pixels are undefined until
    // drawn. Empty when it cannot be made.
    static Picture create(int width, int height);
    // Takes a picture the media library made (the platform's loaders).
    static Picture adopt(BITMAP* bitmap);

    Picture(Picture&& other) noexcept;
    Picture& operator=(Picture&& other) noexcept;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    ~Picture();

    explicit operator bool() const { return bitmap != nullptr; }
    int width() const;
    int height() const;
    // Frees the pixels; the picture is empty afterwards.
    void reset();

    // For the platform's own files.
    BITMAP* handle() const { return bitmap; }

private:
    BITMAP* bitmap = nullptr;
};

// The colour of red, green and blue (0..255 each) at the pictures' depth.
Colour colourOf(int red, int green, int blue);
// The colour that masked drawing leaves out: bright magenta.
Colour transparentColour();
// The red, green and blue of a colour.
void colourParts(Colour colour, int& red, int& green, int& blue);

void clearPicture(Picture& picture, Colour colour);
// A filled rectangle, and the outline of one, clipped to the picture.
void fillRectangle(Picture& picture, int x, int y, int width, int height, Colour colour);
void outlineRectangle(Picture& picture, int x, int y, int width, int height, Colour colour);
// A rectangle of `from` copied as it is to (toX, toY) of `to`; clipped to both.
void copyArea(const Picture& from, Picture& to, int fromX, int fromY, int toX, int toY, int width,
              int height);
// The whole of `from` onto the same place of `to`.
void copyPicture(const Picture& from, Picture& to);
// As copyArea, leaving out the mask colour.
void drawMasked(const Picture& from, Picture& to, int fromX, int fromY, int toX, int toY, int width,
                int height);
// A masked rectangle of `from` enlarged or shrunk to fill a rectangle of `to`.
void drawMaskedScaled(const Picture& from, Picture& to, int fromX, int fromY, int fromWidth,
                      int fromHeight, int toX, int toY, int toWidth, int toHeight);
// The whole of `sprite` over `to` at (x, y), mixed in at `alpha` (0 nothing,
// 255 opaque), leaving out the mask colour.
void drawTranslucent(const Picture& sprite, Picture& to, int x, int y, int alpha);
void setPixel(Picture& picture, int x, int y, Colour colour);
// -1 outside the picture.
Colour pixelAt(const Picture& picture, int x, int y);
// The pixels of row y as they lie in memory, and how many bytes a row holds:
// for checks that compare whole pictures. Null outside the picture.
const unsigned char* pictureRow(const Picture& picture, int y);
size_t pictureRowBytes(const Picture& picture);
// Text in the media library's own small font, centred on x: the message screen
// uses it because it works when the game's font is what failed.
void drawLibraryText(Picture& picture, const char* text, int centreX, int y, Colour colour);
