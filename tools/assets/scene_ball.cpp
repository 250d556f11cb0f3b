#include "assets/scene_ball.h"

#include "assets/palette.h"

#include <cmath>

namespace {
Rgb paletteColour(char key) {
    Rgb c = maskColour;
    gamePalette().colour(key, c);
    return c;
}

bool inEllipse(double x, double y, double cx, double cy, double rx, double ry) {
    double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}
} // namespace

BallLook defaultBallLook() {
    return {paletteColour('a'), paletteColour('u'), paletteColour('e'),
            paletteColour('k'), paletteColour('w'), paletteColour('k')};
}

void paintBall(Canvas& canvas, const BallPose& pose, const BallLook& look) {
    double ry = pose.radius * pose.squash;
    double rx = pose.radius * (2.0 - pose.squash);
    double cx = pose.x, cy = pose.bottom - ry;
    double r = pose.radius;
    double eyeW = std::max(1.0, 0.15 * r), eyeH = std::max(1.5, 0.27 * r * pose.squash);
    double eyeY = cy - 0.12 * ry;
    double shift = pose.look * 0.22 * rx;
    for (int y = (int)std::floor(cy - ry); y <= (int)std::ceil(cy + ry); ++y)
        for (int x = (int)std::floor(cx - rx); x <= (int)std::ceil(cx + rx); ++x) {
            double px = x + 0.5, py = y + 0.5;
            if (!inEllipse(px, py, cx, cy, rx, ry)) continue;
            Rgb c = look.body;
            double lower = ((px - cx) / rx * 0.45 + (py - cy) / ry * 0.9);
            if (ditherOn(x, y, (lower - 0.35) * 2.2)) c = look.shade;
            if (inEllipse(px, py, cx - 0.42 * rx, cy - 0.45 * ry, 0.2 * r + 0.5, 0.16 * r + 0.5))
                c = look.shine;
            for (int side = -1; side <= 1; side += 2) {
                double ex = cx + side * 0.33 * rx + shift;
                bool shut = pose.wink == 2 || (pose.wink == 1 && side == 1);
                if (shut) {
                    double lid = std::fabs(py - eyeY - 0.3 * eyeH);
                    if (std::fabs(px - ex) <= eyeW + 0.5 && lid <= (r >= 14 ? 1.0 : 0.5))
                        c = look.pupil;
                } else if (inEllipse(px, py, ex, eyeY, eyeW + 0.5, eyeH + 0.5)) {
                    bool pupil = inEllipse(px, py, ex + pose.look * eyeW * 0.5, eyeY + eyeH * 0.25,
                                           eyeW * 0.65 + 0.3, eyeH * 0.6 + 0.3);
                    c = pupil ? look.pupil : look.eye;
                }
            }
            if (r >= 7) { // a small smile
                double u = (px - cx - shift) / (0.24 * rx);
                double smile = cy + 0.38 * ry + 0.16 * r * (1 - u * u);
                if (std::fabs(u) <= 1 && std::fabs(py - smile) <= 0.6) c = look.pupil;
            }
            if (!inEllipse(px, py, cx, cy, rx - 1.1, ry - 1.1)) c = look.outline;
            canvas.plot(x, y, c);
        }
}
