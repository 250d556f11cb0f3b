#include "progress/controls.h"

#include "platform/atomic_file.h"
#include "platform/file_bytes.h"
#include "platform/log.h"
#include "platform/paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {
constexpr const char* controlsFile = "controls.cfg";
// Far more than any hand-written file; anything larger is not one.
constexpr long maxControlsBytes = 64 * 1024;

std::string trimmed(const std::string& text) {
    size_t first = 0, last = text.size();
    while (first < last && std::isspace((unsigned char)text[first]))
        ++first;
    while (last > first && std::isspace((unsigned char)text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

// A name as it may be shown in the log: printable and short.
std::string shown(const std::string& name) {
    std::string out;
    for (char c : name.substr(0, 24))
        out += std::isprint((unsigned char)c) ? c : '?';
    return out;
}
} // namespace

Bindings parseControls(const std::string& text, std::vector<std::string>& problems) {
    Bindings result = Bindings::defaults();
    bool seen[actionCount] = {};
    size_t start = 0;
    for (int number = 1; start <= text.size(); ++number) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        line = trimmed(line.substr(0, line.find('#')));
        if (line.empty()) continue;
        auto problem = [&](const std::string& what) {
            problems.push_back("controls.cfg line " + std::to_string(number) + ": " + what);
        };
        size_t equals = line.find('=');
        if (equals == std::string::npos) {
            problem("not \"action = key, button\"");
            continue;
        }
        std::string name = trimmed(line.substr(0, equals));
        std::string value = line.substr(equals + 1);
        size_t comma = value.find(',');
        std::string keyText = trimmed(value.substr(0, comma));
        std::string buttonText =
            comma == std::string::npos ? std::string() : trimmed(value.substr(comma + 1));
        Action action = actionNamed(name.c_str());
        if (action == Action::Count) {
            problem("no action \"" + shown(name) + "\"");
            continue;
        }
        if (seen[int(action)]) {
            problem(shown(name) + " is bound again; the first line counts");
            continue;
        }
        seen[int(action)] = true;
        if (!keyText.empty()) {
            Key key = keyText == "-" ? Key::None : keyNamed(keyText.c_str());
            if (key == Key::None && keyText != "-")
                problem("no key \"" + shown(keyText) + "\"");
            else
                result.bindKey(action, key);
        }
        if (!buttonText.empty()) {
            PadButton button = buttonText == "-" ? PadButton::None : padButtonNamed(buttonText.c_str());
            if (button == PadButton::None && buttonText != "-")
                problem("no pad button \"" + shown(buttonText) + "\"");
            else
                result.bindButton(action, button);
        }
    }
    return result;
}

std::string formatControls(const Bindings& bindings) {
    std::string text =
        "# Tumblo's controls, one action a line: action = key, button\n"
        "# Keys as printed on the keyboard (A-Z, 0-9, F1-F12, Left, Right, Up, Down,\n"
        "# Return, Escape, Space, Backspace, Delete, Tab, ...), pad buttons by SDL's\n"
        "# game controller names (a, b, x, y, back, start, leftshoulder, dpleft, ...).\n"
        "# A line may give only a key (right = D) or only a button (record = , y);\n"
        "# \"-\" is none.\n";
    for (int i = 0; i < actionCount; ++i) {
        const Binding& b = bindings.of[i];
        const char* key = b.key == Key::None ? "-" : keyName(b.key);
        const char* button = b.button == PadButton::None ? "-" : padButtonName(b.button);
        text += std::string(actionName(Action(i))) + " = " + key + ", " + button + "\n";
    }
    return text;
}

void loadControls() {
    gameLog.write("Loading controls.cfg");
    std::vector<uint8_t> bytes;
    std::string path = resolvePath(controlsFile);
    if (!readFileBytes(path, maxControlsBytes, bytes)) {
        std::error_code error;
        gameLog.write(std::filesystem::is_regular_file(path, error) && !error &&
                              std::filesystem::file_size(path, error) > 0
                          ? "Unable to read controls.cfg: using the default controls"
                          : "No controls.cfg: using the default controls");
        bindings = Bindings::defaults();
        return;
    }
    std::vector<std::string> problems;
    bindings = parseControls(std::string(bytes.begin(), bytes.end()), problems);
    // Each problem once, and not a flood from a file of junk.
    constexpr size_t shownProblems = 10;
    for (size_t i = 0; i < problems.size() && i < shownProblems; ++i)
        gameLog.write(problems[i].c_str());
    if (problems.size() > shownProblems)
        gameLog.write(("controls.cfg: " + std::to_string(problems.size() - shownProblems) +
                       " more lines skipped")
                          .c_str());
}

bool saveControls() {
    gameLog.write("Saving controls.cfg");
    std::string text = formatControls(bindings);
    AtomicFile out;
    if (out.open(controlsFile) && out.write(text.data(), text.size()) && out.commit()) return true;
    gameLog.write("Error saving controls.cfg!");
    return false;
}
