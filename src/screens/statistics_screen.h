#pragma once

// The lifetime counters with the shares of deaths and of stages cleared with
// all gold or the cup, over the dimmed sunset; any button leaves.
void statisticsScreen();

// One line of the screen: the row it is drawn on and its text.
struct StatisticsLine {
    int y = 0;
    char text[80] = {};
};
constexpr int statisticsLineCount = 10;

// The lines as the screen shows them, from the statistics and the unlock data
// of the stage set in use.
void composeStatisticsLines(StatisticsLine (&lines)[statisticsLineCount]);
