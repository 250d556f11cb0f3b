#include "progress/ghosts.h"

#include "platform/log.h"
#include "text/data_file.h"
#include "text/text_utils.h"

namespace {
std::string mapStem(const char* mapFile) {
    std::string stem = mapFile;
    size_t slash = stem.find_last_of("\\/");
    if (slash != std::string::npos) stem.erase(0, slash + 1);
    size_t dot = stem.find_last_of('.');
    if (dot != std::string::npos && dot > 0) stem.resize(dot);
    return stem;
}
} // namespace

std::string ghostPath(const char* mapFile, const std::string& mapHash) {
    return "records\\ghosts\\" + mapStem(mapFile) + "-" + mapHash + ".ghost";
}

bool saveGhost(const GhostFile& ghost) {
    std::string path = ghostPath(ghost.mapFile.c_str(), ghost.mapHash);
    DataWriter out;
    if (out.open(path.c_str())) {
        writeGhostFile(out, ghost);
        if (out.commit()) return true;
    }
    gameLog.write(("Unable to save " + path).c_str());
    return false;
}

bool loadGhost(const char* mapFile, const std::string& mapHash, GhostFile& ghost) {
    std::string path = ghostPath(mapFile, mapHash);
    DataReader in;
    if (!in.open(path.c_str())) return false;
    GhostFile read;
    if (!readGhostFile(in, read) || read.mapHash != mapHash ||
        !equalsIgnoreCase(read.mapFile.c_str(), mapFile)) {
        gameLog.write(("Damaged ghost ignored: " + path).c_str());
        return false;
    }
    ghost = std::move(read);
    return true;
}
