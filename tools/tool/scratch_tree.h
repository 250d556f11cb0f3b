#pragma once

#include <string>

// A throw-away copy of the game's data tree, so that a run of the whole game
// never writes into the real one. The copy is a fresh install: the game binary
// and everything the game writes (log, settings, statistics, unlock files,
// demos, the copied extra set) are left out.
class ScratchTree {
public:
    ScratchTree() = default;
    ScratchTree(const ScratchTree&) = delete;
    ScratchTree& operator=(const ScratchTree&) = delete;
    ~ScratchTree();

    // Copies the tree at `source` into a new temporary folder; false (with the
    // reason in `error`) when that fails.
    bool copyFrom(const std::string& source, std::string& error);
    const std::string& path() const { return folder; }
    // The copy is left in place when the tree is destroyed (to look at after a
    // failure).
    void keep() { kept = true; }

private:
    std::string folder;
    bool kept = false;
};
