#include "assets/scene_args.h"

#include "assets/palette.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

bool parseNumber(const std::string& text, double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    return *end == '\0' && errno == 0 && std::isfinite(value);
}

namespace {
std::vector<std::string> splitCommas(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos) return parts;
        start = comma + 1;
    }
}

std::string show(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", v);
    return buffer;
}
} // namespace

void LayerArgs::fail(const std::string& message) {
    if (ok) sourceError(path, layer.line, layer.kind + ": " + message);
    ok = false;
}

bool LayerArgs::has(const char* key) const {
    for (const auto& [k, v] : layer.args)
        if (k == key) return true;
    return false;
}

const std::string* LayerArgs::find(const char* key) {
    asked.insert(key);
    const std::string* found = nullptr;
    for (const auto& [k, v] : layer.args)
        if (k == key) {
            if (found) fail(std::string(key) + " is given twice");
            found = &v;
        }
    return found;
}

double LayerArgs::number(const char* key, double low, double high, std::optional<double> fallback) {
    const std::string* v = find(key);
    double value = fallback.value_or(low);
    if (!v) {
        if (!fallback) fail(std::string("needs ") + key + "=");
        return value;
    }
    if (!parseNumber(*v, value) || value < low || value > high) {
        fail(std::string(key) + " must be a number from " + show(low) + " to " + show(high));
        return fallback.value_or(low);
    }
    return value;
}

int LayerArgs::integer(const char* key, int low, int high, std::optional<int> fallback) {
    const std::string* v = find(key);
    int value = fallback.value_or(low);
    if (!v) {
        if (!fallback) fail(std::string("needs ") + key + "=");
        return value;
    }
    if (!parseInt(*v, value) || value < low || value > high) {
        fail(std::string(key) + " must be a whole number from " + std::to_string(low) + " to " +
             std::to_string(high));
        return fallback.value_or(low);
    }
    return value;
}

Range LayerArgs::range(const char* key, double low, double high, std::optional<Range> fallback) {
    const std::string* v = find(key);
    if (!v) {
        if (!fallback) fail(std::string("needs ") + key + "=");
        return fallback.value_or(Range{low, low});
    }
    Range r;
    size_t dots = v->find("..");
    bool good = dots == std::string::npos ? parseNumber(*v, r.low) && parseNumber(*v, r.high)
                                          : parseNumber(v->substr(0, dots), r.low) &&
                                                parseNumber(v->substr(dots + 2), r.high);
    if (!good || r.low < low || r.high > high || r.low > r.high) {
        fail(std::string(key) + " must be a number or a range a..b within " + show(low) + ".." +
             show(high));
        return Range{low, low};
    }
    return r;
}

Rgb LayerArgs::colour(const char* key, std::optional<Rgb> fallback) {
    std::vector<Rgb> list = colours(key, fallback);
    if (list.size() > 1) fail(std::string(key) + " is one palette colour");
    return list.empty() ? maskColour : list[0];
}

std::vector<Rgb> LayerArgs::colours(const char* key, std::optional<Rgb> fallback) {
    const std::string* v = find(key);
    if (!v) {
        if (!fallback) fail(std::string("needs ") + key + "=");
        return {fallback.value_or(maskColour)};
    }
    std::vector<Rgb> list;
    for (const std::string& part : splitCommas(*v)) {
        Rgb c;
        if (part.size() != 1 || !gamePalette().colour(part[0], c)) {
            fail("'" + part + "' in " + key + " is not a palette colour");
            return {maskColour};
        }
        list.push_back(c);
    }
    return list;
}

std::vector<Wave> LayerArgs::waves() {
    asked.insert("wave");
    std::vector<Wave> list;
    for (const auto& [k, v] : layer.args) {
        if (k != "wave") continue;
        std::vector<std::string> parts = splitCommas(v);
        Wave w;
        bool good = (parts.size() == 3 || (parts.size() == 4 && parts[3] == "peak")) &&
                    parseNumber(parts[0], w.amplitude) && parseInt(parts[1], w.count) &&
                    w.count >= 0 && w.count <= 200 && parseNumber(parts[2], w.phase);
        if (!good) {
            fail("wave is amplitude,count,phase[,peak] with a whole count from 0 to 200");
            return {};
        }
        w.peaked = parts.size() == 4;
        list.push_back(w);
    }
    return list;
}

std::string LayerArgs::text(const char* key) {
    const std::string* v = find(key);
    if (!v) fail(std::string("needs ") + key + "=");
    return v ? *v : std::string();
}

std::vector<std::string> LayerArgs::all(const char* key) {
    asked.insert(key);
    std::vector<std::string> values;
    for (const auto& [k, v] : layer.args)
        if (k == key) values.push_back(v);
    return values;
}

std::vector<std::string> splitList(const std::string& text) {
    return splitCommas(text);
}

bool LayerArgs::finish() {
    for (const auto& [k, v] : layer.args)
        if (!asked.count(k)) fail("unknown key '" + k + "'");
    return ok;
}
