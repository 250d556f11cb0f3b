// Pictures of the logo animation, the first-time help, the extras menu and its
// screens, and the outro.
#include "screen_pictures/screen_shots.h"

#include "platform/quit_request.h"
#include "progress/statistics.h"
#include "progress/unlock_data.h"
#include "platform/bindings.h"
#include "screens/about_screen.h"
#include "screens/controls_screen.h"
#include "screens/extras_menu.h"
#include "screens/first_time_help.h"
#include "screens/jukebox.h"
#include "screens/logo_animation.h"
#include "screens/outro.h"
#include "screens/sound_test.h"
#include "screens/statistics_screen.h"
#include "support/test_env.h"

namespace {
// A press of a key from `frame` for five frames.
void tap(Key key, int frame, int at) {
    if (frame == at) simulateKey(key, true);
    if (frame == at + 5) simulateKey(key, false);
}

void logoAnimation(ShotContext& shot) {
    shot.drive([&](int frame) {
        if (frame == 15) shot.capture("logo-still");
        // The ball is in the air: frame 12 of the strip.
        if (frame == 30 + 8 + 6 * 11 + 3) shot.capture("logo-ball");
    });
    titleLogoAnimation();
}
REGISTER_SHOT("logo", logoAnimation);

void help(ShotContext& shot) {
    shot.drive([&](int frame) {
        for (int i = 0; i < 10; ++i)
            tap(Key::Return, frame, 10 + 10 * i);
        if (frame == 130) shot.capture("help-all-lines");
        if (frame == 131) shot.leaveScreen();
    });
    firstTimeHelp();
}
REGISTER_SHOT("help", help);

void extras(ShotContext& shot) {
    shot.drive([&](int frame) {
        tap(Key::Down, frame, 5);
        tap(Key::Down, frame, 15);
        if (frame == 30) shot.capture("extras");
        if (frame == 31) shot.leaveScreen();
    });
    extrasMenu();
    clearQuitRequest();
    statistics.gamesCleared = 1;
    shot.drive([&](int frame) {
        tap(Key::Up, frame, 5);
        tap(Key::Up, frame, 15);
        if (frame == 30) shot.capture("extras-cleared");
        if (frame == 31) shot.leaveScreen();
    });
    extrasMenu();
}
REGISTER_SHOT("extras", extras);

void soundTestShot(ShotContext& shot) {
    shot.drive([&](int frame) {
        for (int i = 0; i < 5; ++i)
            tap(Key::Down, frame, 5 + 10 * i);
        if (frame == 70) shot.capture("sound-test");
        if (frame == 71) shot.leaveScreen();
    });
    soundTest();
}
REGISTER_SHOT("sound-test", soundTestShot);

void jukeboxShot(ShotContext& shot) {
    statistics.gamesCleared = 1;
    // Down to a row and confirm it: its background comes up.
    auto choose = [](int frame, int at, int row) {
        for (int i = 0; i < row; ++i)
            tap(Key::Down, frame, at + 10 * i);
        tap(Key::Return, frame, at + 10 * row);
        for (int i = 0; i < row; ++i)
            tap(Key::Up, frame, at + 10 * row + 10 + 10 * i);
    };
    const int rows[] = {0, 1, 2, 3, 4, 6};
    const char* const names[] = {"jukebox",      "jukebox-tropical", "jukebox-desert",
                                 "jukebox-cave", "jukebox-ice",      "jukebox-outro-tune"};
    shot.drive([&](int frame) {
        for (int i = 0; i < 6; ++i) {
            int at = 10 + 200 * i;
            choose(frame, at, rows[i]);
            if (frame == at + 10 * rows[i] + 8) shot.capture(names[i]);
        }
        if (frame == 1300) shot.leaveScreen();
    });
    jukebox();
}
REGISTER_SHOT("jukebox", jukeboxShot);

void statisticsShot(ShotContext& shot) {
    writeFileBytes("stats.dat", Bytes()
                                    .i32(42)   // started
                                    .i32(3)    // cleared
                                    .i32(187)  // lives lost
                                    .i32(1234) // minutes
                                    .i32(17)   // seconds
                                    .i32(9)    // demos saved
                                    .i32(61)   // by hurt
                                    .i32(19)   // by time
                                    .i32(107)  // by other
                                    .i32(1)    // extra stages
                                    .data());
    loadStatistics();
    for (int s = 0; s < 12; ++s) {
        unlockData.clearedWithAllGold[s] = s % 3 == 0;
        unlockData.clearedWithCup[s] = s % 2 == 0;
    }
    shot.drive([&](int frame) {
        if (frame == 20) shot.capture("statistics");
        tap(Key::Return, frame, 25);
    });
    statisticsScreen();
}
REGISTER_SHOT("statistics", statisticsShot);

void controls(ShotContext& shot) {
    bindings = Bindings::defaults();
    shot.drive([&](int frame) {
        if (frame == 10) shot.capture("controls");
        // Down to "Right" and ENTER: the wait for a key.
        tap(Key::Down, frame, 12);
        tap(Key::Return, frame, 22);
        if (frame == 40) shot.capture("controls-waiting");
        tap(Key::D, frame, 45);
        if (frame == 70) shot.capture("controls-right-on-d");
        if (frame == 71) shot.leaveScreen();
    });
    controlsScreen();
    bindings = Bindings::defaults();
}
REGISTER_SHOT("controls", controls);

void about(ShotContext& shot) {
    shot.drive([&](int frame) {
        if (frame == 30) shot.capture("about");
        if (frame == 60 + 40) shot.capture("about-pulse");
        tap(Key::Escape, frame, 110);
    });
    aboutScreen();
}
REGISTER_SHOT("about", about);

void outroShot(ShotContext& shot) {
    shot.drive([&](int frame) {
        if (frame == 700) shot.capture("outro-sunrise");
        if (frame == 1400) shot.capture("outro-credits");
        if (frame == 2700) shot.capture("outro-fading");
        if (frame == 4100) shot.capture("outro-thank-you");
    });
    outro();
}
REGISTER_SHOT("outro", outroShot);
} // namespace
