#include "main/file_roots.h"

#include "platform/paths.h"

#include <filesystem>

#ifndef TUMBLO_INSTALLED_DATA_DIR
#define TUMBLO_INSTALLED_DATA_DIR "/usr/share/games/tumblo"
#endif
#ifndef TUMBLO_INSTALLED_DOC_DIR
#define TUMBLO_INSTALLED_DOC_DIR "/usr/share/doc/tumblo"
#endif

namespace {
std::string absolute(const std::string& path) {
    std::error_code error;
    std::filesystem::path p = std::filesystem::absolute(path, error);
    return error ? path : p.lexically_normal().string();
}
} // namespace

FileRoots chooseFileRoots(const LaunchOptions& options) {
    FileRoots roots;
    std::string own = executableFolder();
    bool buildTree = folderHolds(own, "DATA");
    if (!options.dataDir.empty()) {
        roots.data = absolute(options.dataDir);
    } else if (buildTree) {
        roots.data = own;
    } else {
        // A copy installed anywhere finds its data beside itself; the folder
        // it was built for is the last resort.
        std::string beside = own.empty() ? "" : absolute(own + "/../share/games/tumblo");
        roots.data = folderHolds(beside, "DATA") ? beside : TUMBLO_INSTALLED_DATA_DIR;
    }
    if (!options.userDir.empty())
        roots.user = absolute(options.userDir);
    else if (buildTree && options.dataDir.empty())
        roots.user = own;
    else
        roots.user = userDataFolder("tumblo");
    roots.userWritable = prepareWritableFolder(roots.user);
    roots.moddingGuide = findModdingGuide(own);
    setFileRoots(roots.data, roots.user);
    return roots;
}

std::string findModdingGuide(const std::string& programFolder) {
    if (!programFolder.empty())
        for (const char* beside : {"/../doc/MODDING.md", "/../share/doc/tumblo/MODDING.md"}) {
            std::string guide = absolute(programFolder + beside);
            std::error_code error;
            if (std::filesystem::is_regular_file(guide, error)) return guide;
        }
    return TUMBLO_INSTALLED_DOC_DIR "/MODDING.md";
}
