#include "platform/paths.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::vector<std::string> splitComponents(const char* gamePath) {
    std::vector<std::string> parts;
    std::string current;
    for (const char* p = gamePath; *p; ++p) {
        if (*p == '\\' || *p == '/') {
            if (!current.empty()) parts.push_back(current);
            current.clear();
        } else {
            current += *p;
        }
    }
    if (!current.empty()) parts.push_back(current);
    return parts;
}

bool sameIgnoringCase(const std::string& a, const char* b) {
    size_t n = std::strlen(b);
    if (a.size() != n) return false;
    for (size_t i = 0; i < n; ++i)
        if (std::toupper((unsigned char)a[i]) != std::toupper((unsigned char)b[i])) return false;
    return true;
}

std::string joinPath(const std::string& dir, const std::string& name) {
    if (dir.empty()) return name;
    return dir == "/" ? "/" + name : dir + "/" + name;
}

bool exists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

// The entry of folder `dir` that is `name`: the exact name if it exists, else the
// first entry equal to it without regard to case, else empty.
std::string findEntry(const std::string& dir, const std::string& name) {
    if (exists(joinPath(dir, name))) return name;
    DIR* d = opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return {};
    std::string found;
    while (dirent* e = readdir(d)) {
        if (sameIgnoringCase(name, e->d_name)) {
            found = e->d_name;
            break;
        }
    }
    closedir(d);
    return found;
}

bool isAbsolute(const char* gamePath) {
    return gamePath[0] == '/';
}

// Where the game reads its data and where it writes; both empty (the working
// folder) until start-up says otherwise.
std::string dataRootFolder;
std::string userRootFolder;

// The path a game path names below `base` ("" for the working folder), matched
// component by component without regard to letter case.
std::string resolveUnder(const std::string& base, const char* gamePath) {
    std::vector<std::string> parts = splitComponents(gamePath);
    std::string path = isAbsolute(gamePath) ? "/" : base;
    bool matching = true;
    for (const std::string& part : parts) {
        std::string name = part;
        if (matching && part != "." && part != "..") {
            std::string found = findEntry(path, part);
            if (found.empty())
                matching = false; // nothing below a missing component can exist
            else
                name = found;
        }
        path = joinPath(path, name);
    }
    return path;
}

} // namespace

void setFileRoots(const std::string& dataRoot, const std::string& userRoot) {
    dataRootFolder = dataRoot;
    userRootFolder = userRoot;
}

const std::string& dataRoot() {
    return dataRootFolder;
}

const std::string& userRoot() {
    return userRootFolder;
}

std::string resolvePath(const char* gamePath) {
    if (isAbsolute(gamePath) || userRootFolder == dataRootFolder)
        return resolveUnder(userRootFolder, gamePath);
    // What the player saved comes before what the game shipped.
    std::string own = resolveUnder(userRootFolder, gamePath);
    return exists(own) ? own : resolveUnder(dataRootFolder, gamePath);
}

std::string resolveWritePath(const char* gamePath) {
    std::vector<std::string> parts = splitComponents(gamePath);
    if (parts.empty()) return {};
    std::string path = isAbsolute(gamePath) ? "/" : userRootFolder;
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        std::string found = findEntry(path, parts[i]);
        std::string name = found.empty() ? parts[i] : found;
        path = joinPath(path, name);
        if (found.empty()) mkdir(path.c_str(), 0777); // a missing folder is made, not an error
    }
    std::string found = findEntry(path, parts.back());
    struct stat st;
    std::string candidate = joinPath(path, found);
    if (!found.empty() && stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        return candidate;
    return joinPath(path, parts.back());
}

bool wildcardMatch(const char* pattern, const char* name) {
    if (*pattern == '\0') return *name == '\0';
    if (*pattern == '*') {
        for (const char* n = name;; ++n) {
            if (wildcardMatch(pattern + 1, n)) return true;
            if (*n == '\0') return false;
        }
    }
    if (*name == '\0') return false;
    if (*pattern != '?' &&
        std::toupper((unsigned char)*pattern) != std::toupper((unsigned char)*name))
        return false;
    return wildcardMatch(pattern + 1, name + 1);
}

namespace {
void listIn(const std::string& base, const char* pattern, std::vector<std::string>& names) {
    std::vector<std::string> parts = splitComponents(pattern);
    if (parts.empty()) return;
    std::string dirPattern;
    for (size_t i = 0; i + 1 < parts.size(); ++i)
        dirPattern += parts[i] + "/";
    std::string dir =
        dirPattern.empty()
            ? (isAbsolute(pattern) ? "/"
               : base.empty()      ? "."
                                   : base)
            : resolveUnder(base, ((isAbsolute(pattern) ? "/" : "") + dirPattern).c_str());
    DIR* d = opendir(dir.c_str());
    if (!d) return;
    while (dirent* e = readdir(d)) {
        if (!wildcardMatch(parts.back().c_str(), e->d_name)) continue;
        struct stat st;
        if (stat((dir + "/" + e->d_name).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        // A file in both roots is listed once: the player's own copy hides the
        // shipped one.
        bool listed = false;
        for (const std::string& n : names)
            listed = listed || sameIgnoringCase(n, e->d_name);
        if (!listed) names.push_back(e->d_name);
    }
    closedir(d);
}

// Letters compared as capitals; names equal that way keep a fixed order too.
bool beforeIgnoringCase(const std::string& a, const std::string& b) {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        int x = std::toupper((unsigned char)a[i]), y = std::toupper((unsigned char)b[i]);
        if (x != y) return x < y;
    }
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}
} // namespace

std::vector<std::string> listMatchingFiles(const char* pattern) {
    std::vector<std::string> names;
    listIn(userRootFolder, pattern, names);
    if (!isAbsolute(pattern) && dataRootFolder != userRootFolder)
        listIn(dataRootFolder, pattern, names);
    // The original platform's file system listed names in this order; a Linux
    // folder lists them in none that a player could follow.
    std::sort(names.begin(), names.end(), beforeIgnoringCase);
    return names;
}

std::string executableFolder() {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.parent_path().string();
}

std::string userDataFolder(const char* name) {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    // A relative XDG_DATA_HOME is invalid by the specification and ignored.
    if (xdg && xdg[0] == '/') return std::string(xdg) + "/" + name;
    const char* home = std::getenv("HOME");
    if (home && home[0]) return std::string(home) + "/.local/share/" + name;
    return {};
}

bool folderHolds(const std::string& path, const char* name) {
    return !path.empty() && !findEntry(path, name).empty();
}

bool prepareWritableFolder(const std::string& path) {
    if (path.empty()) return false;
    std::error_code error;
    std::filesystem::create_directories(path, error);
    if (!std::filesystem::is_directory(path, error)) return false;
    std::string probe = path + "/.tumblo-write-test-XXXXXX";
    int fd = mkstemp(probe.data());
    if (fd < 0) return false;
    bool written = ::write(fd, "x", 1) == 1;
    ::close(fd);
    unlink(probe.c_str());
    return written;
}
