// Layers of many small things placed by a seeded generator: every build draws
// them in the same places, and each frame of an animated scene gets its own seed.
#include "assets/scene_layers.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double big = 4096;

Random seeded(LayerArgs& args, const Canvas& canvas) {
    return Random((uint32_t)args.integer("seed", 0, 1 << 30, 1) + 7919u * canvas.frame());
}

int countOf(LayerArgs& args) {
    return args.integer("count", 0, 10000);
}

struct Puff {
    double x, y, r;
};
} // namespace

// Clouds as rows of round puffs with flat bottoms, coloured top to bottom.
void drawClouds(LayerArgs& args, Canvas& canvas) {
    std::vector<Rgb> stops = args.colours("colours");
    int count = countOf(args);
    Range bottoms = args.range("y", -big, big);
    Range sizes = args.range("size", 4, 1000);
    Random rng = seeded(args, canvas);
    for (int n = 0; n < count; ++n) {
        double cx = rng.unit() * canvas.width();
        double bottom = std::round(rng.in(bottoms));
        double width = rng.in(sizes);
        int puffCount = std::max(2, (int)(width / 10));
        std::vector<Puff> puffs;
        double top = bottom;
        for (int i = 0; i < puffCount; ++i) {
            double along = (i + 0.5) / puffCount;
            double r =
                width / puffCount * (0.7 + 0.5 * rng.unit()) * (1.0 + 0.6 * std::sin(M_PI * along));
            Puff p{cx - width / 2 + along * width + (rng.unit() - 0.5) * 4, bottom - r * 0.55, r};
            puffs.push_back(p);
            top = std::min(top, p.y - p.r);
        }
        double height = std::max(1.0, bottom - top);
        for (int y = (int)top; y <= (int)bottom; ++y)
            for (int x = (int)(cx - width); x <= (int)(cx + width); ++x) {
                bool inside = false;
                for (const Puff& p : puffs)
                    inside = inside || (x - p.x) * (x - p.x) + (y - p.y) * (y - p.y) <= p.r * p.r;
                // Sheared light: the lower third is in the cloud's own shadow.
                if (inside) canvas.plot(x, y, ditherStops(stops, (y - top) / height, x, y));
            }
    }
}

// Pixel stars; a share of them (big=) get a small cross in the second colour.
void drawStars(LayerArgs& args, Canvas& canvas) {
    std::vector<Rgb> colours = args.colours("colours");
    int count = countOf(args);
    Range rows = args.range("y", -big, big);
    double bigShare = args.number("big", 0, 1, 0.1);
    Random rng = seeded(args, canvas);
    for (int n = 0; n < count; ++n) {
        int x = (int)(rng.unit() * canvas.width());
        int y = (int)std::round(rng.in(rows));
        bool cross = rng.unit() < bigShare && colours.size() > 1;
        if (cross) {
            for (int d : {-1, 1}) {
                canvas.plot(x + d, y, colours[1]);
                canvas.plot(x, y + d, colours[1]);
            }
            canvas.plot(x, y, colours[0]);
        } else {
            canvas.plot(x, y, colours[rng.next() % colours.size()]);
        }
    }
}

// Short horizontal strokes: light on water. With centre= they gather in a path
// whose width runs from the first to the second value of width= down the rows.
void drawGlints(LayerArgs& args, Canvas& canvas) {
    std::vector<Rgb> colours = args.colours("colours");
    int count = countOf(args);
    Range rows = args.range("y", -big, big);
    Range lengths = args.range("length", 1, 1000);
    bool gathered = args.has("centre");
    double centre = args.number("centre", -big, big, 0);
    Range spread = args.range("width", 0, big, Range{0, 0});
    Random rng = seeded(args, canvas);
    for (int n = 0; n < count; ++n) {
        double t = rng.unit();
        int y = (int)std::round(rows.at(t));
        double length = rng.in(lengths);
        double x =
            gathered ? centre + (rng.unit() - 0.5) * spread.at(t) : rng.unit() * canvas.width();
        Rgb c = colours[rng.next() % colours.size()];
        for (int i = 0; i < (int)std::round(length); ++i)
            canvas.plot((int)std::round(x - length / 2) + i, y, c);
    }
}

// Distant islands on the horizon, each a low mound with a few leaning palms.
void drawIslands(LayerArgs& args, Canvas& canvas) {
    Rgb c = args.colour("colour");
    int count = countOf(args);
    double horizon = args.number("y", -big, big);
    Range widths = args.range("width", 2, 1000);
    Range heights = args.range("height", 1, 1000);
    Range palms = args.range("palms", 0, 20, Range{1, 3});
    Range palmHeights = args.range("palmheight", 2, 200, Range{8, 14});
    Random rng = seeded(args, canvas);
    for (int n = 0; n < count; ++n) {
        double cx = rng.unit() * canvas.width();
        double w = rng.in(widths), h = rng.in(heights);
        auto groundAt = [&](double x) {
            double u = 2 * (x - cx) / w;
            return std::fabs(u) >= 1 ? horizon : horizon - h * std::pow(1 - u * u, 0.6);
        };
        for (int x = (int)(cx - w / 2); x <= (int)(cx + w / 2); ++x)
            for (int y = (int)std::round(groundAt(x)); y <= (int)horizon; ++y)
                canvas.plot(x, y, c);
        int palmCount = (int)std::round(rng.in(palms));
        for (int p = 0; p < palmCount; ++p) {
            double bx = cx + (rng.unit() - 0.5) * w * 0.5;
            double by = groundAt(bx) + 1;
            double ph = rng.in(palmHeights);
            double lean = (rng.unit() < 0.5 ? -1 : 1) * ph * (0.15 + 0.25 * rng.unit());
            double tx = bx, ty = by;
            for (double s = 0; s <= 1.0; s += 0.5 / ph) {
                tx = bx + lean * s * s;
                ty = by - ph * s;
                canvas.plot((int)std::round(tx), (int)std::round(ty), c);
            }
            // Fronds: drooping arcs out of the crown.
            double frondLength = ph * 0.55 + 2;
            for (double dir : {-1.0, -0.55, -0.2, 0.2, 0.55, 1.0}) {
                for (double s = 0; s <= frondLength; s += 0.5) {
                    double fx = tx + dir * s;
                    double fy = ty - (1 - std::fabs(dir)) * s * 0.5 + s * s / frondLength * 0.9;
                    canvas.plot((int)std::round(fx), (int)std::round(fy), c);
                }
            }
        }
    }
}

// Crystals growing up from a floor line: pointed prisms lit on the left,
// in a dithered halo of glow.
void drawCrystals(LayerArgs& args, Canvas& canvas) {
    std::vector<Rgb> stops = args.colours("colours");
    bool hasGlow = args.has("glow");
    Rgb glow = args.colour("glow", maskColour);
    int count = countOf(args);
    Range floors = args.range("y", -big, big);
    Range sizes = args.range("size", 3, 500);
    Random rng = seeded(args, canvas);
    for (int n = 0; n < count; ++n) {
        double cx = rng.unit() * canvas.width();
        double floor = std::round(rng.in(floors));
        double size = rng.in(sizes);
        if (hasGlow) {
            double radius = size * 1.1;
            for (int y = (int)(floor - size - radius / 2); y <= (int)(floor + radius / 3); ++y)
                for (int x = (int)(cx - radius); x <= (int)(cx + radius); ++x) {
                    double d = std::hypot(x - cx, (y - (floor - size * 0.4)) * 1.3) / radius;
                    if (d < 1 && ditherOn(x, y, 0.55 * (1 - d))) canvas.plot(x, y, glow);
                }
        }
        int prisms = 1 + (int)(rng.unit() * 3);
        for (int p = 0; p < prisms; ++p) {
            double h = size * (p == 0 ? 1.0 : 0.45 + 0.35 * rng.unit());
            double half = std::max(1.5, h * 0.18);
            double tilt = p == 0 ? 0 : (p == 1 ? -0.45 : 0.45) * (0.6 + 0.4 * rng.unit());
            double bx = cx + (p == 0 ? 0 : (p == 1 ? -half : half));
            for (int r = 0; r <= (int)h; ++r) {
                double taper = r > h * 0.7 ? (h - r) / (h * 0.3) : 1.0;
                double hw = half * taper;
                double mid = bx + tilt * r;
                for (int x = (int)std::floor(mid - hw); x <= (int)std::ceil(mid + hw); ++x) {
                    double t = hw > 0 ? (x - (mid - hw)) / (2 * hw) : 0.5;
                    canvas.plot(x, (int)floor - r, ditherStops(stops, t, x, (int)floor - r));
                }
            }
        }
    }
}

// Stalactites (or icicles) hanging from y=, shaded across from left to right;
// direction=up turns them into spikes standing on y=.
void drawSpikes(LayerArgs& args, Canvas& canvas) {
    std::vector<Rgb> stops = args.colours("colours");
    int count = countOf(args);
    Range bases = args.range("y", -big, big);
    Range lengths = args.range("length", 1, 1000);
    Range widths = args.range("width", 1, 500);
    bool up = args.has("direction") && args.text("direction") == "up";
    if (args.has("direction") && !up && args.text("direction") != "down")
        args.fail("direction is up or down");
    bool hasDrip = args.has("drip");
    Rgb drip = args.colour("drip", maskColour);
    Random rng = seeded(args, canvas);
    for (int n = 0; n < count; ++n) {
        double cx = rng.unit() * canvas.width();
        double base = std::round(rng.in(bases));
        double length = rng.in(lengths), width = rng.in(widths);
        for (int s = 0; s <= (int)length; ++s) {
            double hw = width / 2 * std::pow(1 - s / length, 1.3);
            int y = (int)base + (up ? -s : s);
            for (int x = (int)std::floor(cx - hw); x <= (int)std::ceil(cx + hw); ++x) {
                double t = hw > 0 ? (x - (cx - hw)) / (2 * hw) : 0.5;
                canvas.plot(x, y, ditherStops(stops, t, x, y));
            }
        }
        if (hasDrip && !up && rng.unit() < 0.4)
            canvas.plot((int)std::round(cx), (int)(base + length + 3 + rng.unit() * 4), drip);
    }
}
