#include "progress/medals.h"

#include "platform/clock.h"

namespace {
// The factor of each medal in quarters: 2.5, 1.75 and 1.25.
int32_t quartersOf(Medal medal) {
    return medal == Medal::Gold ? 5 : medal == Medal::Silver ? 7 : 10;
}
} // namespace

int32_t medalLimitTick(Medal medal, int32_t parTick) {
    // A clear in tick T took T + 1 ticks of the countdown; the limit is a
    // whole number of seconds, rounded up.
    int64_t parTicks = (int64_t)parTick + 1;
    int64_t quarterSecond = 4 * (int64_t)ticksPerSecond;
    int64_t seconds = (quartersOf(medal) * parTicks + quarterSecond - 1) / quarterSecond;
    return (int32_t)(seconds * ticksPerSecond - 1);
}

Medal medalFor(int32_t bestTick, int32_t parTick) {
    if (bestTick < 0 || parTick < 0) return Medal::None;
    for (Medal medal : {Medal::Gold, Medal::Silver, Medal::Bronze})
        if (bestTick <= medalLimitTick(medal, parTick)) return medal;
    return Medal::None;
}

const char* medalName(Medal medal) {
    switch (medal) {
    case Medal::Gold:
        return "Gold";
    case Medal::Silver:
        return "Silver";
    case Medal::Bronze:
        return "Bronze";
    default:
        return "";
    }
}
