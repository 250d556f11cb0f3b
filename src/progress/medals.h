#pragma once

#include <cstdint>

// A medal judges a stage's best clear, with or without the cup, against the
// stage's par: gold within 1.25 times the par's time, silver within 1.75
// times, bronze within 2.5 times, each limit rounded up to a whole second.

enum class Medal { None, Bronze, Silver, Gold };

// The medal of a best clear tick; None without a clear or without a par.
Medal medalFor(int32_t bestTick, int32_t parTick);
// The last clear tick that still earns the medal (Bronze, Silver or Gold).
int32_t medalLimitTick(Medal medal, int32_t parTick);
// "Gold", "Silver", "Bronze", or "" for none.
const char* medalName(Medal medal);
