#include "assets/scene_canvas.h"

#include <algorithm>
#include <cmath>

void Canvas::plot(int x, int y, Rgb c) {
    if (wrapping) x = ((x % width()) + width()) % width();
    image.set(x, y, c);
}

Rgb Canvas::at(int x, int y) const {
    if (wrapping) x = ((x % width()) + width()) % width();
    if (x < 0 || y < 0 || x >= width() || y >= height()) return maskColour;
    return image.at(x, y);
}

bool ditherOn(int x, int y, double level) {
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return level * 16.0 > bayer[y & 3][x & 3] + 0.5;
}

Rgb ditherStops(const std::vector<Rgb>& stops, double t, int x, int y) {
    if (stops.size() == 1) return stops[0];
    double position = std::clamp(t, 0.0, 1.0) * (double)(stops.size() - 1);
    size_t index = std::min((size_t)position, stops.size() - 2);
    return ditherOn(x, y, position - (double)index) ? stops[index + 1] : stops[index];
}

double waveSum(const std::vector<Wave>& waves, double x, double width) {
    double sum = 0;
    for (const Wave& w : waves) {
        double turns = w.count * x / width + w.phase;
        if (w.peaked) {
            // A triangle: straight slopes up to a sharp ridge, for mountains.
            double u = turns - std::floor(turns);
            sum += w.amplitude * (1.0 - 2.0 * std::fabs(2.0 * u - 1.0));
        } else {
            sum += w.amplitude * std::sin(2.0 * M_PI * turns);
        }
    }
    return sum;
}

uint32_t Random::next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}
