#pragma once

#include <string>
#include <vector>

// Options the design's settings lack, kept in "options.cfg" in the user folder
// (a text file of our own; "SETTINGS.DAT" keeps its six flags): one option a
// line, "name = value", "#" starting a comment. So far one:
//   ghost = on | off    the best run's ghost in training (on unless said)
struct Options {
    bool ghost = true;
    bool operator==(const Options&) const = default;
};

extern Options options;

// The options a file's text gives, starting from the defaults; each line that
// cannot count is skipped with a problem ("options.cfg line N: what").
Options parseOptions(const std::string& text, std::vector<std::string>& problems);
std::string formatOptions(const Options& options);

// Reads "options.cfg" into the options in force (the defaults without it).
void loadOptions();
// Writes the options in force; false (the old file kept, a log line) on failure.
bool saveOptions();
