#pragma once

#include <string>

// Checks, with the game's own readers, every file the game writes in the data
// tree it runs in (the working directory): the settings, the statistics, the
// unlock files, the demos, the copied extra stage set, the best times, the
// ghosts and the options. Each must load whole,
// with nothing short or left over, and no temporary file of an unfinished save
// may lie about. Returns an empty text when all is well, else what is wrong.
// `checked` counts the files looked at.
std::string checkWrittenFiles(int& checked);
