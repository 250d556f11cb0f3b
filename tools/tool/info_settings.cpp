// info --kind settings: the six switches of a settings file.
#include "tool/game_tree.h"
#include "tool/info.h"

#include "progress/settings.h"

namespace {
bool printSettings(const char* path, std::FILE* out) {
    DataReader in;
    Settings s;
    if (!openCommandLineFile(path, in) || !readSettings(in, s)) return false;
    std::fprintf(out,
                 "settings %s\nplaySound %d\nplayMusic %d\nfullScreen %d\nshowFps %d\n"
                 "firstTime %d\nanimateTumblo %d\n",
                 path, s.playSound, s.playMusic, s.fullScreen, s.showFps, s.firstTime,
                 s.animateTumblo);
    return true;
}
} // namespace

REGISTER_INFO_KIND("settings", printSettings);
