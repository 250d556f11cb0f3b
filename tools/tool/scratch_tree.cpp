#include "tool/scratch_tree.h"

#include "text/text_utils.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {
// What a player's runs leave in the tree, by its place in it.
bool writtenByTheGame(const fs::path& relative) {
    std::string name = relative.filename().string();
    std::string folder = relative.parent_path().string();
    if (folder.empty())
        for (const char* top : {"tumblo", "tumblo.log", "SETTINGS.DAT", "stats.dat", "options.cfg"})
            if (equalsIgnoreCase(name.c_str(), top)) return true;
    if (equalsIgnoreCase(folder.c_str(), "DATA/UNLOCK") ||
        equalsIgnoreCase(folder.c_str(), "DEMOS") || equalsIgnoreCase(folder.c_str(), "records") ||
        equalsIgnoreCase(folder.c_str(), "records/ghosts"))
        return true;
    if (equalsIgnoreCase(folder.c_str(), "DATA") && equalsIgnoreCase(name.c_str(), "extra.stg"))
        return true;
    // An unfinished save's temporary file.
    return name.size() > 1 && name[0] == '.' && name.find(".tmp-") != std::string::npos;
}
} // namespace

ScratchTree::~ScratchTree() {
    if (folder.empty() || kept) return;
    std::error_code error;
    fs::remove_all(folder, error);
}

bool ScratchTree::copyFrom(const std::string& source, std::string& error) {
    std::error_code ec;
    std::string pattern = (fs::temp_directory_path(ec) / "tumblo-monkey-XXXXXX").string();
    if (ec || !mkdtemp(pattern.data())) {
        error = "cannot make a temporary folder";
        return false;
    }
    folder = pattern;
    fs::path from = fs::absolute(source, ec);
    for (auto it = fs::recursive_directory_iterator(from, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        fs::path relative = it->path().lexically_relative(from);
        fs::path to = fs::path(folder) / relative;
        if (it->is_directory(ec)) {
            fs::create_directories(to, ec);
        } else if (it->is_regular_file(ec) && !writtenByTheGame(relative)) {
            fs::copy_file(it->path(), to, ec);
        }
        if (ec) break;
    }
    if (ec) {
        error = "cannot copy " + from.string() + " to " + folder + ": " + ec.message();
        return false;
    }
    return true;
}
