#pragma once

#include "assets/image.h"
#include "assets/scene_args.h"

#include <cstdint>
#include <vector>

// The picture of one frame being drawn. With wrap on, x is taken modulo the
// width so that anything crossing an edge comes back at the other: the picture
// tiles side by side without a seam.
class Canvas {
public:
    Canvas(int width, int height, bool wrap, int frame)
        : image(width, height), wrapping(wrap), frameIndex(frame) {}
    int width() const { return image.width(); }
    int height() const { return image.height(); }
    int frame() const { return frameIndex; }
    void plot(int x, int y, Rgb c);
    Rgb at(int x, int y) const;
    const Image& picture() const { return image; }

private:
    Image image;
    bool wrapping;
    int frameIndex;
};

// 4x4 ordered dithering: true where `level` (0..1) covers this pixel's threshold.
// The pattern repeats every 4 pixels, so a width that is a multiple of 4 tiles.
bool ditherOn(int x, int y, double level);
// A colour from an evenly spaced list of stops at position t (0..1), dithered
// between the two stops around t.
Rgb ditherStops(const std::vector<Rgb>& stops, double t, int x, int y);

// The sum of periodic terms at x over a period of `width` pixels.
double waveSum(const std::vector<Wave>& waves, double x, double width);

// A small fixed-seed generator, so that every build draws the same picture.
class Random {
public:
    explicit Random(uint32_t seed) : state(seed * 2654435761u + 0x9e3779b9u) {}
    uint32_t next();
    double unit() { return (next() >> 8) * (1.0 / 16777216.0); } // 0 <= u < 1
    double in(const Range& r) { return r.at(unit()); }

private:
    uint32_t state;
};
