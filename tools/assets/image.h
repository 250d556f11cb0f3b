#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    uint8_t r = 255, g = 0, b = 255;
    bool operator==(const Rgb&) const = default;
};

// Bright magenta: the library's mask colour, never used as a colour.
constexpr Rgb maskColour{255, 0, 255};

// A picture being composed by the compiler; starts filled with the mask colour.
class Image {
public:
    Image() = default;
    Image(int width, int height) : w(width), h(height), pixels((size_t)width * height) {}
    int width() const { return w; }
    int height() const { return h; }
    Rgb at(int x, int y) const { return pixels[(size_t)y * w + x]; }
    void set(int x, int y, Rgb c) {
        if (x >= 0 && y >= 0 && x < w && y < h) pixels[(size_t)y * w + x] = c;
    }
    // Copies another image in at (x, y); mask pixels of the source are skipped
    // when `masked` is set.
    void paste(const Image& source, int x, int y, bool masked = false);
    void fill(Rgb c);

private:
    int w = 0, h = 0;
    std::vector<Rgb> pixels;
};

// Writes an uncompressed 24-bit ".BMP" at a game path (through a temporary file).
bool writeBmp(const Image& image, const char* gamePath);
