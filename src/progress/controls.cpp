#include "progress/controls.h"

#include "platform/log.h"
#include "platform/paths.h"
#include "text/text_lines.h"

#include <filesystem>

namespace {
constexpr const char* controlsFile = "controls.cfg";
// Far more than any hand-written file; anything larger is not one.
constexpr long maxControlsBytes = 64 * 1024;
} // namespace

Bindings parseControls(const std::string& text, std::vector<std::string>& problems) {
    Bindings result = Bindings::defaults();
    bool seen[actionCount] = {};
    for (const TextLine& entry : meaningfulLines(text)) {
        const std::string& line = entry.text;
        auto problem = [&](const std::string& what) {
            problems.push_back("controls.cfg line " + std::to_string(entry.number) + ": " + what);
        };
        size_t equals = line.find('=');
        if (equals == std::string::npos) {
            problem("not \"action = key, button\"");
            continue;
        }
        std::string name = trimBlanks(line.substr(0, equals));
        std::string value = line.substr(equals + 1);
        size_t comma = value.find(',');
        std::string keyText = trimBlanks(value.substr(0, comma));
        std::string buttonText =
            comma == std::string::npos ? std::string() : trimBlanks(value.substr(comma + 1));
        Action action = actionNamed(name.c_str());
        if (action == Action::Count) {
            problem("no action \"" + printable(name) + "\"");
            continue;
        }
        if (seen[int(action)]) {
            problem(printable(name) + " is bound again; the first line counts");
            continue;
        }
        seen[int(action)] = true;
        if (!keyText.empty()) {
            Key key = keyText == "-" ? Key::None : keyNamed(keyText.c_str());
            if (key == Key::None && keyText != "-")
                problem("no key \"" + printable(keyText) + "\"");
            else
                result.bindKey(action, key);
        }
        if (!buttonText.empty()) {
            PadButton button =
                buttonText == "-" ? PadButton::None : padButtonNamed(buttonText.c_str());
            if (button == PadButton::None && buttonText != "-")
                problem("no pad button \"" + printable(buttonText) + "\"");
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
    std::string text;
    if (!readTextFile(controlsFile, maxControlsBytes, text)) {
        std::string path = resolvePath(controlsFile);
        std::error_code error;
        gameLog.write(std::filesystem::is_regular_file(path, error) && !error &&
                              std::filesystem::file_size(path, error) > 0
                          ? "Unable to read controls.cfg: using the default controls"
                          : "No controls.cfg: using the default controls");
        bindings = Bindings::defaults();
        return;
    }
    std::vector<std::string> problems;
    bindings = parseControls(text, problems);
    logProblems(problems, "controls.cfg");
}

bool saveControls() {
    gameLog.write("Saving controls.cfg");
    if (writeTextFile(controlsFile, formatControls(bindings))) return true;
    gameLog.write("Error saving controls.cfg!");
    return false;
}
