#pragma once

#include <string>
#include <vector>

// Walks the files matching a wildcard game path ("DATA\*.STG"), in the order the
// file system delivers them.
class FileFinder {
public:
    explicit FileFinder(const char* pattern) : pattern(pattern) {}
    bool next();
    const char* fileName() const { return current.c_str(); }

private:
    std::string pattern;
    std::vector<std::string> names;
    bool started = false;
    size_t position = 0;
    std::string current;
};
