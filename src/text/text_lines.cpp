#include "text/text_lines.h"

#include "platform/atomic_file.h"
#include "platform/file_bytes.h"
#include "platform/log.h"
#include "platform/paths.h"

#include <cctype>
#include <filesystem>

namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}
} // namespace

bool readTextFile(const char* gamePath, long maxBytes, std::string& text) {
    std::vector<uint8_t> bytes;
    std::string path = resolvePath(gamePath);
    if (!readFileBytes(path, maxBytes, bytes)) {
        // Missing or empty is the usual first start; anything else the player
        // should hear about, as a damaged line would be.
        std::error_code error;
        std::uintmax_t size = std::filesystem::file_size(path, error);
        if (!error && size > 0)
            gameLog.write((std::string(gamePath) + ": unreadable or larger than " +
                           std::to_string(maxBytes) + " bytes, ignored")
                              .c_str());
        return false;
    }
    text.assign(bytes.begin(), bytes.end());
    return true;
}

bool writeTextFile(const char* gamePath, const std::string& text) {
    AtomicFile out;
    return out.open(gamePath) && out.write(text.data(), text.size()) && out.commit();
}

std::string trimBlanks(const std::string& text) {
    size_t first = 0, last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

std::vector<TextLine> meaningfulLines(const std::string& text) {
    std::vector<TextLine> lines;
    size_t start = 0;
    for (int number = 1; start <= text.size(); ++number) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        line = trimBlanks(line.substr(0, line.find('#')));
        if (!line.empty()) lines.push_back({number, line});
        start = end + 1;
    }
    return lines;
}

bool splitLeadingWords(const std::string& line, size_t count, std::vector<std::string>& words,
                       std::string& rest) {
    words.clear();
    size_t at = 0;
    while (words.size() < count) {
        while (at < line.size() && isBlank(line[at]))
            ++at;
        size_t end = at;
        while (end < line.size() && !isBlank(line[end]))
            ++end;
        if (end == at) return false;
        words.push_back(line.substr(at, end - at));
        at = end;
    }
    rest = trimBlanks(line.substr(at));
    return !rest.empty();
}

bool parseWholeNumber(const std::string& word, long low, long high, long& value) {
    if (word.empty() || word.size() > 12) return false;
    long result = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return false;
        result = result * 10 + (c - '0');
    }
    if (result < low || result > high) return false;
    value = result;
    return true;
}

std::string printable(const std::string& text, size_t length) {
    std::string out;
    for (char c : text.substr(0, length))
        out += std::isprint((unsigned char)c) ? c : '?';
    return out;
}

void logProblems(const std::vector<std::string>& problems, const char* file) {
    constexpr size_t shownProblems = 10;
    for (size_t i = 0; i < problems.size() && i < shownProblems; ++i)
        gameLog.write(problems[i].c_str());
    if (problems.size() > shownProblems)
        gameLog.write((std::string(file) + ": " + std::to_string(problems.size() - shownProblems) +
                       " more lines skipped")
                          .c_str());
}
