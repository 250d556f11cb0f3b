#pragma once

#include "main/command_line.h"

#include <string>

// Where the game reads and writes, chosen at start:
// - data: --data-dir, else the program's own folder when it holds DATA (a build
//   tree), else ../share/games/tumblo beside the program, else the folder the
//   game was installed to;
// - user: --user-dir, else the game folder itself in a build tree, else
//   $XDG_DATA_HOME/tumblo (~/.local/share/tumblo).
struct FileRoots {
    std::string data;
    std::string user;
    bool userWritable = false;
    // The modding guide, as the about screen names it.
    std::string moddingGuide;
};

// Chooses the roots, makes the user folder and gives both to the path resolver.
FileRoots chooseFileRoots(const LaunchOptions& options);

// Where the modding guide lies for a program in `programFolder`: a build
// tree's doc folder beside the game folder, else ../share/doc/tumblo beside the
// program, else the folder the game was installed to.
std::string findModdingGuide(const std::string& programFolder);
