#pragma once

// `make screens`: pictures of every screen for review, written by driving the
// real screens headless, tick by tick, as a player would. Each file of
// tests/screen_pictures/*_shots.cpp registers its shots; the runner plays each one in a
// fresh copy of the built game folder, with the game's data loaded as at
// start-up (font, effects without sound, the default stage set, settings,
// statistics, shared pictures).

#include <functional>
#include <string>

class ShotContext {
public:
    ShotContext(std::string outputFolder, std::string gameFolder)
        : folder(std::move(outputFolder)), game(std::move(gameFolder)) {}
    // Saves the back buffer as <name>.bmp in the output folder (the make target
    // turns them into PNG).
    void capture(const std::string& name);
    // Drives the screen that the shot then runs: `script` is called after every
    // presented frame with the frame's number, may hold keys (setKey) and
    // capture; one tick is added per frame. A screen is left by calling
    // leaveScreen() (every screen returns on a quit request), which the runner
    // clears again after the shot.
    void drive(std::function<void(int frame)> script);
    void leaveScreen();
    int captured() const { return count; }
    // The built game folder the shot's copy was made from (build/game).
    const std::string& gameFolder() const { return game; }

private:
    std::string folder;
    std::string game;
    int count = 0;
};

using ShotFunction = void (*)(ShotContext& shot);

struct ShotRegistration {
    ShotRegistration(const char* name, ShotFunction function);
};

#define REGISTER_SHOT(name, function) static ShotRegistration shot_##function(name, function)
