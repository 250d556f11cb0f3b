// content/music/NAME.txt -> "MUSIC\NAME.IT": text scores rendered into tracker
// modules with synthesized samples. docs/MODDING.md describes the score format.
#include "assets/compiler.h"
#include "assets/content_folder.h"
#include "assets/music_module.h"
#include "assets/music_score.h"
#include "assets/source_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {
bool compileTune(const std::string& path, const std::string& stem) {
    SourceFile file;
    if (!file.read(path)) return false;
    Score score;
    if (!parseScore(file, score)) return false;
    ItModule module;
    buildModule(score, module);
    std::string name = stem;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return (char)std::toupper(c); });
    std::string gamePath = "MUSIC\\" + name + ".IT";
    if (!writeItModule(module, gamePath.c_str())) {
        sourceError(path, 0, "cannot write " + gamePath);
        return false;
    }
    return true;
}

bool compileMusic(const std::string& contentDir) {
    bool ok = true;
    for (const std::string& score : listSources(contentDir, "music"))
        ok = compileTune(score, sourceStem(score, false)) && ok;
    return ok;
}
} // namespace

REGISTER_COMPILER("music", compileMusic);
