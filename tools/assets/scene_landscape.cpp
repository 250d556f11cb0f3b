// Layers that fill or shade broad areas: skies, hills, walls, bands of light.
#include "assets/scene_layers.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double big = 4096;

Range rowsOf(LayerArgs& args, const Canvas& canvas) {
    return args.range("y", -big, big, Range{0, (double)canvas.height() - 1});
}

// How many pixels per step across the picture the curve climbs or falls.
double slopeAt(const std::vector<Wave>& waves, double x, double width) {
    return waveSum(waves, x + 0.5, width) - waveSum(waves, x - 0.5, width);
}
} // namespace

void drawFill(LayerArgs& args, Canvas& canvas) {
    Rgb c = args.colour("colour");
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            canvas.plot(x, y, c);
}

void drawGradient(LayerArgs& args, Canvas& canvas) {
    Range rows = rowsOf(args, canvas);
    std::vector<Rgb> stops = args.colours("colours");
    double span = std::max(1.0, rows.high - rows.low);
    for (int y = (int)rows.low; y <= (int)rows.high; ++y)
        for (int x = 0; x < canvas.width(); ++x)
            canvas.plot(x, y, ditherStops(stops, (y - rows.low) / span, x, y));
}

// Ground under a periodic curve (or rock above one, with fill=up). Colours run
// from the curve inwards over `depth` pixels; slopes facing right can be shaded
// and everything above a snow line capped.
void drawHills(LayerArgs& args, Canvas& canvas) {
    std::vector<Rgb> stops = args.colours("colours");
    double base = args.number("base", -big, big);
    std::vector<Wave> waves = args.waves();
    double depth = args.number("depth", 1, big, 40);
    bool up = args.has("fill") && args.text("fill") == "up";
    if (args.has("fill") && !up && args.text("fill") != "down") args.fail("fill is up or down");
    bool hasRim = args.has("rim");
    Rgb rim = args.colour("rim", maskColour);
    bool hasShadow = args.has("shadow");
    Rgb shadow = args.colour("shadow", maskColour);
    double shadowStrength = args.number("shadowstrength", 0, 100, 1);
    bool hasSnow = args.has("snow");
    Rgb snow = args.colour("snow", maskColour);
    double snowline = args.number("snowline", -big, big, 0);
    double w = canvas.width();
    for (int x = 0; x < canvas.width(); ++x) {
        double edge = base - waveSum(waves, x, w);
        double slope = -slopeAt(waves, x, w); // screen y grows downwards
        int edgeRow = (int)std::lround(edge);
        for (int y = 0; y < canvas.height(); ++y) {
            double inside = up ? edge - y : y - edge;
            if (inside < 0) continue;
            Rgb c = ditherStops(stops, inside / depth, x, y);
            if (hasShadow && ditherOn(x, y, std::clamp(slope * shadowStrength, 0.0, 1.0)))
                c = shadow;
            if (hasSnow && ditherOn(x, y, (snowline - y) / 6.0 + 0.5)) c = snow;
            if (hasRim && y == edgeRow) c = rim;
            canvas.plot(x, y, c);
        }
    }
}

// A vertical face: everything right (or left) of a periodic edge x = edge +
// waves(y), coloured from the edge inwards. Cliffs and cave walls.
void drawWall(LayerArgs& args, Canvas& canvas) {
    std::vector<Rgb> stops = args.colours("colours");
    double edgeX = args.number("edge", -big, big);
    std::vector<Wave> waves = args.waves();
    double depth = args.number("depth", 1, big, 40);
    bool left = args.has("side") && args.text("side") == "left";
    if (args.has("side") && !left && args.text("side") != "right")
        args.fail("side is left or right");
    Range rows = rowsOf(args, canvas);
    for (int y = std::max(0, (int)rows.low); y <= std::min(canvas.height() - 1, (int)rows.high);
         ++y) {
        double edge = edgeX + waveSum(waves, y, canvas.height());
        for (int x = 0; x < canvas.width(); ++x) {
            double inside = left ? edge - x : x - edge;
            if (inside >= 0) canvas.plot(x, y, ditherStops(stops, inside / depth, x, y));
        }
    }
}

// A dithered ribbon of light along a periodic curve, densest on the curve and
// fading out over `thickness` (upwards only with fade=up: aurora curtains).
// rays=n adds n vertical streaks across the picture.
void drawBand(LayerArgs& args, Canvas& canvas) {
    Rgb c = args.colour("colour");
    double base = args.number("base", -big, big);
    std::vector<Wave> waves = args.waves();
    double thickness = args.number("thickness", 1, big);
    double density = args.number("density", 0, 1, 1);
    int rays = args.integer("rays", 0, 200, 0);
    bool upOnly = args.has("fade") && args.text("fade") == "up";
    if (args.has("fade") && !upOnly && args.text("fade") != "both") args.fail("fade is up or both");
    double w = canvas.width();
    for (int x = 0; x < canvas.width(); ++x) {
        double centre = base - waveSum(waves, x, w);
        double streak = rays ? 0.55 + 0.45 * std::sin(2 * M_PI * rays * x / w) : 1.0;
        for (int y = 0; y < canvas.height(); ++y) {
            double d = (centre - y) / thickness;
            if (upOnly ? (d < 0 || d > 1) : std::fabs(d) > 1) continue;
            double level = density * streak * (1.0 - std::fabs(d));
            if (ditherOn(x, y, level)) canvas.plot(x, y, c);
        }
    }
}

// Single pixels sprinkled at random: grain in sand, specks in rock. With on=c
// only pixels of that colour are touched.
void drawNoise(LayerArgs& args, Canvas& canvas) {
    std::vector<Rgb> colours = args.colours("colours");
    double density = args.number("density", 0, 1);
    Range rows = rowsOf(args, canvas);
    bool hasOn = args.has("on");
    Rgb on = args.colour("on", maskColour);
    Random rng((uint32_t)args.integer("seed", 0, 1 << 30, 1) + 7919u * canvas.frame());
    for (int y = std::max(0, (int)rows.low); y <= std::min(canvas.height() - 1, (int)rows.high);
         ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            double roll = rng.unit();
            Rgb c = colours[rng.next() % colours.size()];
            if (roll >= density || (hasOn && !(canvas.at(x, y) == on))) continue;
            canvas.plot(x, y, c);
        }
}
