#pragma once

#include "platform/bindings.h"

#include <string>
#include <vector>

// The player's keys and pad buttons, kept in "controls.cfg" in the user folder
// (a text file of our own beside the design's files): one action a line,
// "action = key, button", "#" starting a comment. A line may give only the key
// ("right = D") or only the button ("record = , y"); what it leaves out keeps
// its default, and a binding that another action of its context used swaps
// with it as on the Controls screen.

// Bindings from the file's text, starting from the defaults. Each line that
// cannot count (an unknown action, key or button, no "=", the same action
// again) is skipped with one problem in `problems`; the rest still counts.
Bindings parseControls(const std::string& text, std::vector<std::string>& problems);
// The file's text for `bindings`, every action on its line, with a heading
// that says how to write it by hand.
std::string formatControls(const Bindings& bindings);

// Reads "controls.cfg" into the bindings in force, with a log line; a missing
// or damaged file leaves the defaults for what it does not give well.
void loadControls();
// Writes the bindings in force; false (the old file kept) when it fails.
bool saveControls();
