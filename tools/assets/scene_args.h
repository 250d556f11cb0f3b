#pragma once

#include "assets/image.h"
#include "assets/scene_source.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

struct Range {
    double low = 0, high = 0;
    double at(double t) const { return low + (high - low) * t; }
};

// One term of a periodic curve: `count` whole periods across the picture, so the
// curve meets itself at the edges.
struct Wave {
    double amplitude = 0;
    int count = 1;
    double phase = 0; // a fraction of one period
    bool peaked = false;
};

// Typed reading of a layer's key=value words. A bad or missing value is reported
// as "file:line: ..." and remembered; finish() also rejects keys nobody asked for,
// which catches misspelt names.
class LayerArgs {
public:
    LayerArgs(const std::string& path, const SceneLayer& layer) : path(path), layer(layer) {}

    bool has(const char* key) const;
    double number(const char* key, double low, double high, std::optional<double> fallback = {});
    int integer(const char* key, int low, int high, std::optional<int> fallback = {});
    // "a..b" or a single number for both ends.
    Range range(const char* key, double low, double high, std::optional<Range> fallback = {});
    // A palette character ("." is the mask).
    Rgb colour(const char* key, std::optional<Rgb> fallback = {});
    // Palette characters separated by commas.
    std::vector<Rgb> colours(const char* key, std::optional<Rgb> fallback = {});
    // Every "wave=amplitude,count,phase[,peak]" of the layer, in order.
    std::vector<Wave> waves();
    std::string text(const char* key);
    // Every value of a key that may repeat, in order.
    std::vector<std::string> all(const char* key);
    void fail(const std::string& message);
    bool finish();

private:
    const std::string* find(const char* key);

    std::string path;
    const SceneLayer& layer;
    std::set<std::string> asked;
    bool ok = true;
};

bool parseNumber(const std::string& text, double& value);
// The comma-separated parts of a value.
std::vector<std::string> splitList(const std::string& text);
