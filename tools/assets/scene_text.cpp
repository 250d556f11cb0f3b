// Chunky lettering for logos: block letters scaled up with rounded outer
// corners, a gradient fill with a shine along upper edges, a thick outline and a
// drop shadow. "@" stands for the ball.
#include "assets/scene_ball.h"
#include "assets/scene_layers.h"

#include <algorithm>
#include <cmath>

namespace {
// Per-pixel state of the lettering before it is painted.
struct Lettering {
    int width = 0, height = 0;
    std::vector<float> fill; // < 0 outside a letter, else 0..1 down the letter
    std::vector<bool> solid; // letters and ball, for outline and shadow
    float& tAt(int x, int y) { return fill[(size_t)y * width + x]; }
    bool isSolid(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height && solid[(size_t)y * width + x];
    }
};

// Inside a scaled glyph cell, with outer corners rounded where both neighbours
// towards that corner are empty.
bool insideCell(const Glyph& g, int cx, int cy, double lx, double ly, int scale) {
    if (!g.filled(cx, cy)) return false;
    double half = scale / 2.0;
    int sx = lx < half ? -1 : 1, sy = ly < half ? -1 : 1;
    if (g.filled(cx + sx, cy) || g.filled(cx, cy + sy)) return true;
    double ox = sx < 0 ? half : scale - half, oy = sy < 0 ? half : scale - half;
    return std::hypot(lx - ox, ly - oy) <= half + 0.25;
}
} // namespace

void drawText(LayerArgs& args, Canvas& canvas, const Letters* letters) {
    std::string text = args.text("string");
    int centreX = args.integer("x", -4096, 4096), top = args.integer("y", -4096, 4096);
    int scale = args.integer("scale", 1, 64);
    std::vector<Rgb> stops = args.colours("colours");
    Rgb outline = args.colour("outline");
    int outlineWidth = args.integer("outlinewidth", 0, 8, 2);
    bool hasShine = args.has("shine");
    Rgb shine = args.colour("shine", maskColour);
    bool hasShadow = args.has("shadow");
    Rgb shadow = args.colour("shadow", maskColour);
    int shadowOffset = args.integer("shadowoffset", 0, 32, 2);
    int spacing = args.integer("spacing", -64, 256, scale);
    int arch = args.integer("arch", -200, 200, 0);
    if (!letters || letters->height() == 0) {
        args.fail("no letters: content/scenes/letters.glyphs is missing");
        return;
    }
    int letterH = letters->height() * scale;
    // Lay the letters out: widths, then an arch raising the middle ones.
    struct Placed {
        const Glyph* glyph;
        int x, y, w;
    };
    std::vector<Placed> placed;
    int cursor = 0;
    for (char c : text) {
        const Glyph* g = nullptr;
        int w = letterH; // the ball is as wide as a letter is high
        if (c == '_') {
            w = 2 * scale;
        } else if (c != '@') {
            g = letters->find(c);
            if (!g) {
                args.fail(std::string("no letter '") + c + "' in letters.glyphs");
                return;
            }
            w = g->width() * scale;
        }
        placed.push_back({g, cursor, 0, c == '_' ? 0 : w});
        cursor += w + spacing;
    }
    int total = cursor - spacing;
    for (size_t i = 0; i < placed.size(); ++i) {
        double along = (placed[i].x + placed[i].w / 2.0) / std::max(1, total) * 2 - 1;
        placed[i].y = (int)std::lround(arch * (along * along)) - std::max(0, arch);
    }
    int margin = outlineWidth + shadowOffset + 1;
    int lift = std::abs(arch);
    Lettering l;
    l.width = total + 2 * margin;
    l.height = letterH + lift + 2 * margin;
    l.fill.assign((size_t)l.width * l.height, -1.0f);
    l.solid.assign((size_t)l.width * l.height, false);
    int baseY = margin + std::abs(arch);
    for (const Placed& p : placed) {
        for (int y = 0; y < letterH; ++y)
            for (int x = 0; x < p.w; ++x) {
                int bx = margin + p.x + x, by = baseY + p.y + y;
                if (bx < 0 || by < 0 || bx >= l.width || by >= l.height) continue;
                bool inside = p.glyph ? insideCell(*p.glyph, x / scale, y / scale, x % scale + 0.5,
                                                   y % scale + 0.5, scale)
                                      : std::hypot(x + 0.5 - p.w / 2.0, y + 0.5 - letterH / 2.0) <=
                                            letterH / 2.0;
                if (!inside) continue;
                l.solid[(size_t)by * l.width + bx] = true;
                if (p.glyph) l.tAt(bx, by) = (float)y / (float)std::max(1, letterH - 1);
            }
    }
    // y= is the top of the highest letter.
    int left = centreX - l.width / 2, topY = top - margin;
    auto grown = [&](int x, int y) {
        for (int dy = -outlineWidth; dy <= outlineWidth; ++dy)
            for (int dx = -outlineWidth; dx <= outlineWidth; ++dx)
                if (dx * dx + dy * dy <= outlineWidth * outlineWidth + outlineWidth &&
                    l.isSolid(x + dx, y + dy))
                    return true;
        return false;
    };
    for (int y = 0; y < l.height; ++y)
        for (int x = 0; x < l.width; ++x) {
            if (hasShadow && grown(x - shadowOffset, y - shadowOffset))
                canvas.plot(left + x, topY + y, shadow);
        }
    for (int y = 0; y < l.height; ++y)
        for (int x = 0; x < l.width; ++x)
            if (grown(x, y)) canvas.plot(left + x, topY + y, outline);
    for (int y = 0; y < l.height; ++y)
        for (int x = 0; x < l.width; ++x) {
            float t = l.tAt(x, y);
            if (t < 0) continue;
            int sx = left + x, sy = topY + y;
            Rgb c = ditherStops(stops, t, sx, sy);
            // Light from above: the top two rows under every upper edge shine.
            bool openAbove = !l.isSolid(x, y - 1);
            bool nearAbove = !l.isSolid(x, y - 2);
            if (hasShine && (openAbove || (nearAbove && ditherOn(sx, sy, 0.5)))) c = shine;
            canvas.plot(sx, sy, c);
        }
    BallLook look = defaultBallLook();
    for (const Placed& p : placed)
        if (!p.glyph && p.w > 0) {
            BallPose pose;
            pose.radius = letterH / 2.0;
            pose.x = left + margin + p.x + p.w / 2.0;
            pose.bottom = topY + baseY + p.y + letterH;
            pose.look = 0.3;
            paintBall(canvas, pose, look);
        }
}
