// content/music/NAME.txt -> "MUSIC\NAME.IT": text scores rendered into tracker
// modules with synthesized samples. docs/MODDING.md describes the score format.
#include "assets/compiler.h"
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
    std::error_code ec;
    std::vector<std::filesystem::path> scores;
    for (const auto& entry : std::filesystem::directory_iterator(contentDir + "/music", ec))
        if (entry.path().extension() == ".txt") scores.push_back(entry.path());
    if (ec) {
        sourceError(contentDir + "/music", 0, "cannot be listed");
        return false;
    }
    std::sort(scores.begin(), scores.end());
    bool ok = true;
    for (const auto& p : scores)
        ok = compileTune(p.string(), p.stem().string()) && ok;
    return ok;
}
} // namespace

REGISTER_COMPILER("music", compileMusic);
