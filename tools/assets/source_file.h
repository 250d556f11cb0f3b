#pragma once

#include <string>
#include <vector>

// A text source read line by line, with the line numbers kept for messages of
// the form "file:line: what is wrong".
struct SourceLine {
    int number;
    std::string text;
};

class SourceFile {
public:
    bool read(const std::string& path);
    const std::string& path() const { return filePath; }
    const std::vector<SourceLine>& lines() const { return allLines; }

private:
    std::string filePath;
    std::vector<SourceLine> allLines;
};

// Reports an error in a source and marks the whole build as failed.
void sourceError(const std::string& path, int line, const std::string& message);
bool buildFailed();

// Whitespace-separated words of a line, without its comment (a line starting
// with "#", or the rest of a line after a lone "#").
std::vector<std::string> splitWords(const std::string& text);
std::string trim(const std::string& text);
// A whole decimal number; false when the text is not one.
bool parseInt(const std::string& text, int& value);
