#include "progress/clear_time.h"

#include "platform/clock.h"

#include <cstdio>

namespace {
int hundredthsOf(int32_t secondTicks) {
    return (int)(secondTicks * 1.6949);
}
} // namespace

std::string clearTimeText(int32_t seconds, int32_t secondTicks) {
    int32_t minutes = seconds >= 60 ? seconds / 60 : 0;
    int32_t rest = seconds >= 60 ? seconds % 60 : seconds;
    char text[48];
    std::snprintf(text, sizeof text, "0%d:%02d:%02d", (int)minutes, (int)rest,
                  hundredthsOf(secondTicks));
    return text;
}

std::string clearTickText(int32_t clearTick) {
    int32_t ticks = clearTick + 1;
    return clearTimeText(ticks / ticksPerSecond, ticks % ticksPerSecond);
}

int32_t clearTickOfText(const std::string& text) {
    int minutes = 0, seconds = 0, hundredths = 0, used = 0;
    if (std::sscanf(text.c_str(), "%3d:%2d:%2d%n", &minutes, &seconds, &hundredths, &used) != 3)
        return -1;
    std::string rest = text.substr((size_t)used);
    if (!rest.empty() && rest != " (100%)") return -1;
    if (minutes < 0 || seconds < 0 || seconds >= 60 || hundredths < 0) return -1;
    // Every tick of a second has its own hundredths: find the one written.
    for (int32_t secondTicks = 0; secondTicks < ticksPerSecond; ++secondTicks)
        if (hundredthsOf(secondTicks) == hundredths) {
            int32_t ticks = (minutes * 60 + seconds) * ticksPerSecond + secondTicks;
            // Only the text the game itself writes counts ("0:5:3" does not).
            if (ticks == 0 || clearTickText(ticks - 1) != text.substr(0, (size_t)used)) return -1;
            return ticks - 1;
        }
    return -1;
}
