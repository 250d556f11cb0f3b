// info [--kind KIND] FILE: prints a data file of the game as readable text.
#include "tool/command.h"
#include "tool/info.h"

#include "tool/game_tree.h"

#include "level/map_format.h"
#include "text/data_file.h"
#include "text/font_format.h"
#include "text/text_utils.h"

#include <cstring>
#include <string>
#include <vector>

namespace {
struct InfoKind {
    const char* name;
    InfoPrinter printer;
};

std::vector<InfoKind>& kinds() {
    static std::vector<InfoKind> list;
    return list;
}

std::string baseName(const char* path) {
    std::string p = path;
    size_t slash = p.find_last_of("/\\");
    return slash == std::string::npos ? p : p.substr(slash + 1);
}

std::string parentName(const char* path) {
    std::string p = path;
    size_t slash = p.find_last_of("/\\");
    if (slash == std::string::npos) return {};
    p = p.substr(0, slash);
    return baseName(p.c_str());
}

bool hasExtension(const std::string& name, const char* extension) {
    size_t n = std::strlen(extension);
    return name.size() > n && equalsIgnoreCase(name.substr(name.size() - n).c_str(), extension);
}

int info(int argc, char** argv) {
    const char* kind = nullptr;
    const char* path = nullptr;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--kind") == 0 && i + 1 < argc)
            kind = argv[++i];
        else if (!path)
            path = argv[i];
        else
            path = nullptr, i = argc;
    }
    if (!path) {
        std::fprintf(stderr, "usage: tumblo-tool info [--kind KIND] FILE\n");
        return 2;
    }
    if (!kind) kind = detectKind(path);
    if (!kind) {
        std::fprintf(stderr, "%s: not a data file of the game (use --kind)\n", path);
        return 2;
    }
    for (const InfoKind& k : kinds())
        if (std::strcmp(k.name, kind) == 0) {
            if (k.printer(path, stdout)) return 0;
            std::fprintf(stderr, "%s: not a valid %s file\n", path, kind);
            return 2;
        }
    std::fprintf(stderr, "unknown kind '%s'\n", kind);
    return 2;
}
} // namespace

InfoKindRegistration::InfoKindRegistration(const char* name, InfoPrinter printer) {
    kinds().push_back({name, printer});
}

const char* detectKind(const char* path) {
    // The magics decide first, through the formats' own readers.
    DataReader font, map;
    if (openCommandLineFile(path, font) && readFontMagic(font)) return "font";
    if (openCommandLineFile(path, map) && readMapMagic(map)) return "map";
    std::string name = baseName(path);
    if (equalsIgnoreCase(parentName(path).c_str(), "UNLOCK")) return "unlock";
    if (equalsIgnoreCase(name.c_str(), "SETTINGS.DAT")) return "settings";
    if (equalsIgnoreCase(name.c_str(), "stats.dat")) return "stats";
    if (equalsIgnoreCase(name.c_str(), "tumblodata.dat")) return "stageset";
    if (equalsIgnoreCase(name.c_str(), "PARTIMES.TXT")) return "partimes";
    if (hasExtension(name, ".FNT")) return "font";
    if (hasExtension(name, ".MAP")) return "map";
    if (hasExtension(name, ".TLS")) return "tileset";
    if (hasExtension(name, ".ANM")) return "animation";
    if (hasExtension(name, ".STG")) return "stageset";
    if (hasExtension(name, ".TDM")) return "demo";
    if (hasExtension(name, ".BMP")) return "bitmap";
    if (hasExtension(name, ".WAV")) return "sound";
    if (hasExtension(name, ".IT")) return "music";
    return nullptr;
}

REGISTER_COMMAND(
    "info",
    "info [--kind "
    "font|map|tileset|animation|stageset|unlock|settings|stats|demo|bitmap|sound|music|partimes] "
    "FILE",
    info);
