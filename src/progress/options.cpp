#include "progress/options.h"

#include "platform/log.h"
#include "text/text_lines.h"

Options options;

namespace {
constexpr const char* optionsFile = "options.cfg";
// Far more than any hand-written file; anything larger is not one.
constexpr long maxOptionsBytes = 64 * 1024;
} // namespace

Options parseOptions(const std::string& text, std::vector<std::string>& problems) {
    Options result;
    for (const TextLine& line : meaningfulLines(text)) {
        auto problem = [&](const std::string& what) {
            problems.push_back("options.cfg line " + std::to_string(line.number) + ": " + what);
        };
        size_t equals = line.text.find('=');
        if (equals == std::string::npos) {
            problem("not \"name = value\"");
            continue;
        }
        std::string name = trimBlanks(line.text.substr(0, equals));
        std::string value = trimBlanks(line.text.substr(equals + 1));
        if (name != "ghost") {
            problem("no option \"" + printable(name) + "\"");
        } else if (value != "on" && value != "off") {
            problem("ghost is on or off, not \"" + printable(value) + "\"");
        } else {
            result.ghost = value == "on";
        }
    }
    return result;
}

std::string formatOptions(const Options& options) {
    return "# Tumblo's options, one a line: name = value\n"
           "# ghost: on or off, the ghost of your best run in training\n"
           "ghost = " +
           std::string(options.ghost ? "on" : "off") + "\n";
}

void loadOptions() {
    gameLog.write("Loading options.cfg");
    std::string text;
    options = Options();
    if (!readTextFile(optionsFile, maxOptionsBytes, text)) return;
    std::vector<std::string> problems;
    options = parseOptions(text, problems);
    logProblems(problems, optionsFile);
}

bool saveOptions() {
    if (writeTextFile(optionsFile, formatOptions(options))) return true;
    gameLog.write("Unable to save options.cfg");
    return false;
}
