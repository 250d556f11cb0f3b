#include "game/demo_text.h"

#include <cstdlib>
#include <sstream>

namespace {
const char* steeringWord(uint8_t value) {
    return value == steerNone    ? "none"
           : value == steerLeft  ? "left"
           : value == steerRight ? "right"
                                 : nullptr;
}

bool parseCount(const std::string& word, long& value, long low, long high) {
    char* end = nullptr;
    value = std::strtol(word.c_str(), &end, 10);
    return !word.empty() && end && *end == '\0' && value >= low && value <= high;
}

std::string afterKeyword(const std::string& line, size_t keywordLength) {
    size_t start = line.find_first_not_of(" \t", keywordLength);
    if (start == std::string::npos) return {};
    size_t end = line.find_last_not_of(" \t\r");
    return line.substr(start, end - start + 1);
}
} // namespace

std::string demoToText(const DemoFile& demo) {
    std::ostringstream out;
    const DemoHeader& h = demo.header;
    if (h.formatMark != demoFormatMark) out << "format   " << h.formatMark << "\n";
    out << "map      " << h.mapFile << "\n"
        << "died     " << h.died << "\n"
        << "title    " << h.title << "\n"
        << "clear    " << h.clearTime << "\n"
        << "cups     " << h.cups << "\n"
        << "steering\n";
    size_t last = demo.steering.size();
    while (last > 0 && demo.steering[last - 1] == steerNone)
        --last;
    for (size_t start = 0; start < last;) {
        size_t end = start;
        while (end < last && demo.steering[end] == demo.steering[start])
            ++end;
        if (const char* word = steeringWord(demo.steering[start]))
            out << word << " " << end - start << "\n";
        else
            out << "raw " << (int)demo.steering[start] << " " << end - start << "\n";
        start = end;
    }
    return out.str();
}

bool demoFromText(const std::string& text, DemoFile& demo, std::string& error) {
    demo = DemoFile();
    demo.steering.clear();
    std::istringstream in(text);
    std::string line;
    int number = 0;
    bool steering = false;
    auto fail = [&](const std::string& what) {
        error = "line " + std::to_string(number) + ": " + what;
        return false;
    };
    while (std::getline(in, line)) {
        ++number;
        std::istringstream words(line);
        std::string key;
        if (!(words >> key) || key[0] == '#') continue;
        if (steering) {
            long value = -1, count = 0;
            std::string a, b;
            words >> a >> b;
            if (key == "none" || key == "left" || key == "right") {
                value = key == "none" ? steerNone : key == "left" ? steerLeft : steerRight;
                b = a;
            } else if (key != "raw" || !parseCount(a, value, 0, 255)) {
                return fail("expected none|left|right COUNT or raw VALUE COUNT");
            }
            if (!parseCount(b, count, 1, demoSteeringTicks))
                return fail("a run needs a count from 1 to " + std::to_string(demoSteeringTicks));
            if ((long)demo.steering.size() + count > demoSteeringTicks)
                return fail("the steering runs past the " + std::to_string(demoSteeringTicks) +
                            " ticks a demo holds");
            demo.steering.insert(demo.steering.end(), (size_t)count, (uint8_t)value);
            continue;
        }
        std::string rest = afterKeyword(line, line.find(key) + key.size());
        long value = 0;
        if (key == "format" && parseCount(rest, value, -2147483647L, 2147483647L)) {
            demo.header.formatMark = (int32_t)value;
        } else if (key == "map") {
            demo.header.mapFile = rest;
        } else if (key == "died" && parseCount(rest, value, 0, 1)) {
            demo.header.died = (int32_t)value;
        } else if (key == "title") {
            demo.header.title = rest;
        } else if (key == "clear") {
            demo.header.clearTime = rest;
        } else if (key == "cups" && parseCount(rest, value, 0, 2147483647L)) {
            demo.header.cups = (int32_t)value;
        } else if (key == "steering" && rest.empty()) {
            steering = true;
        } else {
            return fail("unknown or malformed line '" + key + "'");
        }
    }
    if (demo.header.mapFile.empty()) return fail("a demo needs its map");
    if ((int)demo.header.mapFile.size() >= demoMapFileCapacity ||
        (int)demo.header.title.size() >= demoTitleCapacity ||
        (int)demo.header.clearTime.size() >= demoClearTimeCapacity)
        return fail("a text is longer than the game holds (map 79, title 39, clear time 19)");
    demo.steering.resize(demoSteeringTicks, steerNone);
    return true;
}
