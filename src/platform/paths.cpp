#include "platform/paths.h"

#include <cctype>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

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

// The entry of folder `dir` that is `name`: the exact name if it exists, else the
// first entry equal to it without regard to case, else empty.
std::string findEntry(const std::string& dir, const std::string& name) {
    std::string exact = dir.empty() ? name : dir + "/" + name;
    struct stat st;
    if (stat(exact.c_str(), &st) == 0) return name;
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

std::string joinPath(const std::string& dir, const std::string& name) {
    return dir.empty() ? name : dir + "/" + name;
}

bool isAbsolute(const char* gamePath) {
    return gamePath[0] == '/';
}

} // namespace

std::string resolvePath(const char* gamePath) {
    std::vector<std::string> parts = splitComponents(gamePath);
    std::string path = isAbsolute(gamePath) ? "/" : "";
    bool matching = true;
    for (const std::string& part : parts) {
        std::string name = part;
        if (matching && part != "." && part != "..") {
            std::string found = findEntry(path == "/" ? "/" : path, part);
            if (found.empty())
                matching = false; // nothing below a missing component can exist
            else
                name = found;
        }
        path = (path == "/") ? "/" + name : joinPath(path, name);
    }
    return path;
}

std::string resolveWritePath(const char* gamePath) {
    std::vector<std::string> parts = splitComponents(gamePath);
    if (parts.empty()) return {};
    std::string path = isAbsolute(gamePath) ? "/" : "";
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        std::string found = findEntry(path, parts[i]);
        std::string name = found.empty() ? parts[i] : found;
        path = (path == "/") ? "/" + name : joinPath(path, name);
        if (found.empty()) mkdir(path.c_str(), 0777); // a missing folder is made, not an error
    }
    std::string found = findEntry(path, parts.back());
    struct stat st;
    std::string candidate = joinPath(path == "/" ? "" : path, found);
    if (!found.empty() && stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        return path == "/" ? "/" + found : candidate;
    return path == "/" ? "/" + parts.back() : joinPath(path, parts.back());
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

std::vector<std::string> listMatchingFiles(const char* pattern) {
    std::vector<std::string> parts = splitComponents(pattern);
    std::vector<std::string> names;
    if (parts.empty()) return names;
    std::string dirPattern;
    for (size_t i = 0; i + 1 < parts.size(); ++i)
        dirPattern += parts[i] + "/";
    std::string dir = dirPattern.empty()
                          ? "."
                          : resolvePath(((isAbsolute(pattern) ? "/" : "") + dirPattern).c_str());
    DIR* d = opendir(dir.c_str());
    if (!d) return names;
    while (dirent* e = readdir(d)) {
        if (!wildcardMatch(parts.back().c_str(), e->d_name)) continue;
        struct stat st;
        if (stat((dir + "/" + e->d_name).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        names.push_back(e->d_name);
    }
    closedir(d);
    return names;
}
