// Layers placed by coordinates: rectangles, discs, the ball.
#include "assets/scene_ball.h"
#include "assets/scene_layers.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double big = 4096;

struct BallKey {
    int frame;
    BallPose pose;
};

// "frame,x,bottom,squash,look,wink"
bool parseKey(const std::string& text, double radius, BallKey& key) {
    std::vector<std::string> parts = splitList(text);
    double v[6];
    if (parts.size() != 6) return false;
    for (int i = 0; i < 6; ++i)
        if (!parseNumber(parts[i], v[i])) return false;
    if (v[0] < 0 || v[3] < 0.3 || v[3] > 1.7 || v[4] < -1 || v[4] > 1 ||
        (v[5] != 0 && v[5] != 1 && v[5] != 2))
        return false;
    key = {(int)v[0], {v[1], v[2], radius, v[3], v[4], (int)v[5]}};
    return true;
}

// Positions between keys are interpolated; the eyes keep the earlier key's state.
BallPose poseAt(const std::vector<BallKey>& keys, int frame) {
    const BallKey* before = &keys.front();
    const BallKey* after = nullptr;
    for (const BallKey& k : keys) {
        if (k.frame <= frame) before = &k;
        if (k.frame > frame && !after) after = &k;
    }
    if (!after || before->frame > frame) return before->pose;
    double t = (double)(frame - before->frame) / (after->frame - before->frame);
    BallPose p = before->pose;
    p.x += (after->pose.x - p.x) * t;
    p.bottom += (after->pose.bottom - p.bottom) * t;
    p.squash += (after->pose.squash - p.squash) * t;
    p.look += (after->pose.look - p.look) * t;
    return p;
}
} // namespace

void drawRect(LayerArgs& args, Canvas& canvas) {
    int x = args.integer("x", -4096, 4096), y = args.integer("y", -4096, 4096);
    int w = args.integer("w", 0, 4096), h = args.integer("h", 0, 4096);
    Rgb c = args.colour("colour");
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            canvas.plot(i, j, c);
}

// A disc coloured from the centre out, with an optional rim and a dithered glow
// that fades over `glowsize` pixels around it.
void drawDisc(LayerArgs& args, Canvas& canvas) {
    double cx = args.number("x", -big, big), cy = args.number("y", -big, big);
    double r = args.number("r", 0.5, big);
    std::vector<Rgb> stops = args.colours("colours");
    bool hasRim = args.has("rim");
    Rgb rim = args.colour("rim", maskColour);
    bool hasGlow = args.has("glow");
    Rgb glow = args.colour("glow", maskColour);
    double glowSize = args.number("glowsize", 0, big, 0);
    double glowDensity = args.number("glowdensity", 0, 1, 0.6);
    double outer = r + (hasGlow ? glowSize : 0);
    for (int y = (int)std::floor(cy - outer); y <= (int)std::ceil(cy + outer); ++y)
        for (int x = (int)std::floor(cx - outer); x <= (int)std::ceil(cx + outer); ++x) {
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d <= r) {
                bool edge = hasRim && d > r - 1.0;
                canvas.plot(x, y, edge ? rim : ditherStops(stops, d / r, x, y));
            } else if (hasGlow && glowSize > 0 && d <= outer &&
                       ditherOn(x, y, glowDensity * (1 - (d - r) / glowSize))) {
                canvas.plot(x, y, glow);
            }
        }
}

void drawBall(LayerArgs& args, Canvas& canvas) {
    BallLook look = defaultBallLook();
    look.body = args.colour("body", look.body);
    look.shade = args.colour("shade", look.shade);
    look.shine = args.colour("shine", look.shine);
    look.outline = args.colour("outline", look.outline);
    look.eye = args.colour("eye", look.eye);
    look.pupil = args.colour("pupil", look.pupil);
    double radius = args.number("r", 2, 500);
    std::vector<BallKey> keys;
    for (const std::string& text : args.all("key")) {
        BallKey key;
        if (!parseKey(text, radius, key)) {
            args.fail("key is frame,x,bottom,squash(0.3..1.7),look(-1..1),wink(0..2)");
            return;
        }
        keys.push_back(key);
    }
    std::stable_sort(keys.begin(), keys.end(),
                     [](const BallKey& a, const BallKey& b) { return a.frame < b.frame; });
    if (keys.empty()) {
        BallPose pose;
        pose.radius = radius;
        pose.x = args.number("x", -big, big);
        pose.bottom = args.number("y", -big, big);
        pose.squash = args.number("squash", 0.3, 1.7, 1);
        pose.look = args.number("look", -1, 1, 0);
        pose.wink = args.integer("wink", 0, 2, 0);
        keys.push_back({0, pose});
    }
    paintBall(canvas, poseAt(keys, canvas.frame()), look);
}
