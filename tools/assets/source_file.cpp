#include "assets/source_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {
bool failed = false;
}

bool SourceFile::read(const std::string& path) {
    filePath = path;
    allLines.clear();
    std::ifstream in(path);
    if (!in) {
        sourceError(path, 0, "cannot be read");
        return false;
    }
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        allLines.push_back({number, text});
    }
    return true;
}

void sourceError(const std::string& path, int line, const std::string& message) {
    std::fprintf(stderr, "%s:%d: %s\n", path.c_str(), line, message.c_str());
    failed = true;
}

bool buildFailed() {
    return failed;
}

std::string trim(const std::string& text) {
    size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos) return {};
    size_t end = text.find_last_not_of(" \t");
    return text.substr(begin, end - begin + 1);
}

std::vector<std::string> splitWords(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        // A comment is a line starting with "#", or a "#" standing alone as a word;
        // "#rrggbb" colours are words.
        bool wordStart = word.empty();
        bool alone = i + 1 == text.size() || text[i + 1] == ' ' || text[i + 1] == '\t';
        if (c == '#' && wordStart && (words.empty() || alone)) break;
        if (c == ' ' || c == '\t') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

bool parseInt(const std::string& text, int& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || errno != 0 || v < -2147483647L || v > 2147483647L) return false;
    value = (int)v;
    return true;
}
