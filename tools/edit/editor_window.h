#pragma once

#include <string>

// The editor's window: opens the stage source at `stagePath` (a new stage when
// there is no such file) and runs until the modder leaves. Headless runs (the
// tests) drive it through the frame hook, with simulated keys and pointer.
// The exit status.
int runEditorWindow(const std::string& stagePath, bool headless = false);
