#pragma once

#include <string>

class DataReader;

// Files named on the command line are taken as the shell means them: relative
// to the current folder, "./"-prefixed, absolute, anywhere. What they refer to
// inside (a map's tileset, a tileset's pictures, a demo's map) is found in the
// game's data tree: --game-dir DIR when given, else the current folder when it
// holds DATA/, else the "game" folder beside the tool's own folder (so
// build/tools/tumblo-tool finds build/game), else the data of the game it was
// installed with (games/tumblo-tool finds share/games/tumblo). The tool works
// inside that tree.

// Chooses the data tree and enters it; false (with a message on stderr) when a
// given --game-dir cannot be entered. `gameDir` may be null.
bool enterGameTree(const char* gameDir, const char* argv0);
// The absolute path of a file named on the command line.
std::string commandLineFile(const char* argument);
// Opens a file named on the command line.
bool openCommandLineFile(const char* argument, DataReader& in);
// Builds the map named on the command line into the current map, with the map
// loader's messages when it cannot.
bool buildCommandLineMap(const char* argument);
// The compiled solution demos: "solutions" beside the game's data tree
// (build/solutions beside build/game).
std::string solutionsFolder();
