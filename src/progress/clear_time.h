#pragma once

#include <cstdint>
#include <string>

// The clear-time text the game shows for a cleared stage, "0M:SS:HH": the
// whole minutes with a "0" before them, the seconds and the hundredths (a tick
// is 1.6949 hundredths). For example 1 minute, 5 seconds and 30 ticks give
// "01:05:50".

// The text for `seconds` whole seconds and `secondTicks` ticks (0..59) more.
std::string clearTimeText(int32_t seconds, int32_t secondTicks);

// A clear is counted by its clear tick: the number, from 0, of the tick in
// which the ball touched the goal, as a replay of the run's demo counts it. The
// countdown has then run clearTick + 1 ticks.
std::string clearTickText(int32_t clearTick);
// The clear tick a clear-time text stands for (" (100%)" may follow it); -1
// when the text is not one.
int32_t clearTickOfText(const std::string& text);
