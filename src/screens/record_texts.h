#pragma once

#include "progress/standings.h"

#include <string>

// A stage's records as the screens write them (times as the clear-time text,
// medals as the font's icons "$g", "$s" and "$b").

// "$g", "$s", "$b", or "" for none.
const char* medalIcon(Medal medal);
// The stage select's description of a stage, one line: "Best 00:21:35  $A
// 00:24:10  Par 00:17:00" and the medal ("  $g Gold"); "Not cleared yet"
// before its first clear, with the par when it has one. A best of an old
// version of the map is followed by " (old version)" and earns no medal; a
// cup record of an old version under a newer best is left out.
std::string recordsLine(const StageStanding& standing);
// The Records screen's description: that line, the days of the records
// ("Cleared 2024-06-01  $A 2024-06-02"), and a cup record of an old version
// under a newer best ("$A 00:24:10 (old version)").
std::string recordsDescription(const StageStanding& standing);
