#pragma once

#include <string>
#include <vector>

// The lines of the small text files of our own (best times, par times,
// options), as their readers take them: "#" starts a comment, blanks around a
// line do not count, and empty lines are skipped.

// The whole text of a file under a game path (the user folder first), when it
// is there, not empty and at most `maxBytes` long; a file that is there but
// cannot be taken gets a log line.
bool readTextFile(const char* gamePath, long maxBytes, std::string& text);
// Writes a text file through the atomic writer: the old file stays whole
// unless the new one was written completely.
bool writeTextFile(const char* gamePath, const std::string& text);

struct TextLine {
    int number = 0; // from 1
    std::string text;
};

std::vector<TextLine> meaningfulLines(const std::string& text);
// The text without the blanks around it.
std::string trimBlanks(const std::string& text);

// The first `count` words of a line (split at blanks) and what follows them,
// blanks around it taken off; false when the line has fewer words or nothing
// after them.
bool splitLeadingWords(const std::string& line, size_t count, std::vector<std::string>& words,
                       std::string& rest);

// A whole number from low to high written in decimal digits alone; false for
// anything else.
bool parseWholeNumber(const std::string& word, long low, long high, long& value);

// A text as a log line may show it: printable and at most `length` bytes.
std::string printable(const std::string& text, size_t length = 24);

// Writes a reader's problems to the log, each once and at most ten, then
// "<file>: N more lines skipped": never a flood from a file of junk.
void logProblems(const std::vector<std::string>& problems, const char* file);
