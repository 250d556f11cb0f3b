// monkey --seed S --minutes M: the whole game, from start-up to shut-down, driven
// headless with seeded random key states for M simulated minutes, in a scratch
// copy of the data tree. Fails with one line on a crash, a hang, a picture that
// stays the same for ten simulated minutes while keys are pressed, an unclean
// shut-down, or a written file that no longer loads.
#include "tool/command.h"
#include "tool/game_tree.h"
#include "tool/monkey_failure.h"
#include "tool/monkey_guide.h"
#include "tool/monkey_keys.h"
#include "tool/scratch_tree.h"
#include "tool/written_files.h"

#include "game/demo_format.h"
#include "game/play_records.h"
#include "main/game_main.h"
#include "platform/atomic_file.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/headless.h"
#include "platform/input.h"
#include "platform/log.h"
#include "platform/paths.h"
#include "platform/quit_request.h"
#include "platform/sound.h"
#include "platform/sound_mixer.h"
#include "progress/settings.h"
#include "progress/stage_set.h"
#include "progress/statistics.h"
#include "progress/unlock_data.h"
#include "ui/message_screen.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {
// Simulated time in 1/180 s, the common unit of the clock's rates (15, 30, 60
// and 90 ticks a second).
constexpr int64_t unitsPerSecond = 180;
constexpr int64_t unitsPerMinute = 60 * unitsPerSecond;
// A picture unchanged this long while keys change is a stuck screen.
constexpr int64_t stuckLimit = 10 * unitsPerMinute;
// The game must be down this long after the quit request.
constexpr int64_t quitLimit = unitsPerMinute;

struct Options {
    uint64_t seed = 0;
    double minutes = 0;
    int watchdogSeconds = 120;
    double rssEveryMinutes = 0;
    int failingDisk = 0; // one file step in this many fails; 0 none
    int guidedPercent = 35;
    std::string solutions;
    bool keepTree = false;
};

// Everything the hooks and the signal handlers see.
struct Run {
    Options options;
    MonkeyKeys* keys = nullptr;
    MonkeyGuide guide;
    // A stage attempt played as the solution demo of its map plays it.
    bool guided = false;
    // The clears of the run when the guided attempt began (-1: not guided).
    int32_t clearsWhenGuided = -1;
    int32_t guideLag = 0;
    int64_t lastTickFrame = 0;
    std::string treePath;
    // Both roots are the working copy the monkey plays in.
    FileRoots roots;
    int64_t limit = 0; // simulated units
    int64_t now = 0;
    int64_t quitAt = -1;
    int session = 0;
    bool sessionStarting = false;
    bool gameTicked = false;
    uint64_t lastPicture = 0;
    int64_t pictureSince = 0;
    bool keysSincePicture = false;
    int64_t frames = 0;
    int64_t nextRss = 0;
    int64_t failedSteps = 0;
    int32_t clearsSeen = 0;
    int64_t stageClears = 0;
    int16_t sound[2 * 2940 * 64];
} run;

double minutesOf(int64_t units) {
    return (double)units / (double)unitsPerMinute;
}

[[noreturn]] void fail(const std::string& reason) {
    char where[100];
    std::snprintf(where, sizeof where, "session %d, simulated minute %.1f", run.session,
                  minutesOf(run.now));
    monkeyFailed(reason, where);
}

// A hash of the frame as every screen drew it into the back buffer (the page
// overlay with its real-time frame rate is left out). Four lanes, so that the
// multiplications do not wait on each other.
uint64_t pictureHash(const Picture& picture) {
    if (!picture) return 0;
    constexpr uint64_t prime = 0x100000001b3ull;
    uint64_t a = 0xcbf29ce484222325ull, b = 1, c = 2, d = 3;
    size_t rowBytes = pictureRowBytes(picture);
    for (int y = 0; y < picture.height(); ++y) {
        const unsigned char* row = pictureRow(picture, y);
        size_t x = 0;
        for (; x + 32 <= rowBytes; x += 32) {
            uint64_t w[4];
            std::memcpy(w, row + x, 32);
            a = (a ^ w[0]) * prime;
            b = (b ^ w[1]) * prime;
            c = (c ^ w[2]) * prime;
            d = (d ^ w[3]) * prime;
        }
        for (; x < rowBytes; ++x)
            a = (a ^ row[x]) * prime;
    }
    return ((a * prime ^ b) * prime ^ c) * prime ^ d;
}

long residentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

MonkeyScreen screenInFront() {
    if (run.gameTicked)
        return playMode.demoMode == DemoMode::Playback    ? MonkeyScreen::Playback
               : playMode.demoMode == DemoMode::Recording ? MonkeyScreen::Recording
                                                          : MonkeyScreen::Play;
    // A recorded run that has ended waits for its name.
    return playMode.demoMode == DemoMode::Recording ? MonkeyScreen::NameEntry : MonkeyScreen::Menu;
}

// Mostly one tick per frame, as on a machine that keeps up; sometimes a few, as
// on a slow one; now and then a stall of up to a second.
int ticksForThisFrame() {
    int roll = run.keys->between(0, 999);
    if (roll < 600) return 1;
    if (roll < 900) return run.keys->between(2, 4);
    if (roll < 995) return run.keys->between(5, 12);
    return run.keys->between(13, 60);
}

void watchPicture(bool keysChanged) {
    uint64_t picture = pictureHash(backBuffer);
    if (picture != run.lastPicture) {
        run.lastPicture = picture;
        run.pictureSince = run.now;
        run.keysSincePicture = false;
        return;
    }
    if (keysChanged) run.keysSincePicture = true;
    if (run.keysSincePicture && run.now - run.pictureSince >= stuckLimit)
        fail(std::string("the picture stayed the same for 10 simulated minutes while keys were "
                         "pressed, in ") +
             monkeyScreenName(screenInFront()));
}

// After every logic step of the game loop. A stage attempt starts when the demo
// tick index goes back to 0; whether the attempt is guided is drawn then. A
// guided attempt steers its ticks as its map's solution does, counted from the
// attempt's first tick. A run's first stage has had that tick already, with the
// monkey's own keys (which the solutions bear); a stage started within a tick
// (the next one after a clear, a restart after a death) has not, and its first
// tick counts as 1, so its steering is read one index back. The two tell apart
// by the stage's second count, which only the tick that ran on the stage has
// moved.
void onTick() {
    run.gameTicked = true;
    // Counted from the run's own count, which starts again with each run.
    if (clearsThisRun < run.clearsSeen) run.clearsSeen = 0;
    run.stageClears += clearsThisRun - run.clearsSeen;
    run.clearsSeen = clearsThisRun;

    run.lastTickFrame = run.frames;
    if (demoTickIndex == 0) {
        bool was = run.guided;
        // A guided attempt clears its stage. Going on guided through most of
        // the next ones lets a run reach the end of a long set (the outro, the
        // game's clear); drawn afresh each stage, it never would.
        bool goesOn = run.clearsWhenGuided >= 0 && clearsThisRun == run.clearsWhenGuided + 1;
        int percent = goesOn ? 95 : run.options.guidedPercent;
        run.guided = run.guide.knows(currentMapFile) && run.keys->between(0, 99) < percent;
        run.clearsWhenGuided = run.guided ? clearsThisRun : -1;
        run.guideLag = playRecord.secondTicks == 0 ? 1 : 0;
        if (run.guided && !was) run.keys->releaseAll();
    }
    if (!run.guided) return;
    uint8_t way = run.guide.steering(currentMapFile, demoTickIndex + 1 - run.guideLag);
    simulateKey(Key::Left, way == steerLeft);
    simulateKey(Key::Right, way == steerRight);
}

void onFrame() {
    ++run.frames;
    armWatchdog();
    if (run.sessionStarting) {
        // The game seeds its particles from the clock; from the seed instead, so
        // that a seed plays the same run again.
        run.sessionStarting = false;
        std::srand((unsigned)run.keys->random()());
    }
    MonkeyScreen screen = screenInFront();
    // A guided attempt ends with the game loop's run (its clear, its end); a
    // frame or a few without a tick (a fade, a slow frame) are still the run.
    bool inRun = screen == MonkeyScreen::Play || screen == MonkeyScreen::Recording;
    if (!inRun && run.frames - run.lastTickFrame > 30) run.guided = false;
    bool keysChanged = run.guided || run.keys->step(screen);
    run.gameTicked = false;
    watchPicture(keysChanged);

    if (run.quitAt >= 0) {
        if (run.now - run.quitAt > quitLimit)
            fail("the game still ran a simulated minute after the quit request, in " +
                 std::string(monkeyScreenName(screen)));
    } else if (run.now >= run.limit || quitRequested()) {
        requestQuit();
        run.quitAt = run.now;
    }

    if (run.options.failingDisk > 0 && failedFileStep() != FileStep::None) {
        ++run.failedSteps;
        failFileStep(run.keys->between(1, 2 * run.options.failingDisk - 1));
    }

    int ticks = ticksForThisFrame();
    int rate = gameTimerRate() > 0 ? gameTimerRate() : 60;
    // The mixer plays what the screens started, as the device would pull it.
    if (soundAvailable) soundMixer.render(run.sound, ticks * (soundRate / rate));
    gameTicks += ticks;
    run.now += ticks * (unitsPerSecond / rate);
    noteSimulatedMinute(run.now / unitsPerMinute);

    if (run.options.rssEveryMinutes > 0 && run.now >= run.nextRss) {
        std::printf("rss at simulated minute %.1f: %ld kB\n", minutesOf(run.now),
                    residentKilobytes());
        std::fflush(stdout);
        run.nextRss += (int64_t)(run.options.rssEveryMinutes * unitsPerMinute);
    }
}

std::string lastLogLine() {
    std::ifstream log("tumblo.log", std::ios::binary | std::ios::ate);
    std::streamoff size = log.tellg();
    if (size <= 0) return "";
    std::streamoff from = size > 4096 ? size - 4096 : 0;
    log.seekg(from);
    std::string tail(std::istreambuf_iterator<char>(log), {});
    while (!tail.empty() && (tail.back() == '\n' || tail.back() == '\r'))
        tail.pop_back();
    size_t newline = tail.rfind('\n');
    return newline == std::string::npos ? tail : tail.substr(newline + 1);
}

// A restart is a new process for the player: what the last run kept only in
// memory is gone, and only the files carry it over.
void forgetProgressInMemory() {
    settings = Settings();
    statistics = Statistics();
    stageSet = StageSet();
    unlockData = UnlockData();
    playMode = PlayMode();
    playRecord = PlayRecord();
}

struct Totals {
    int sessions = 0;
    int filesChecked = 0;
    int64_t livesLost = 0;
    int64_t demosSaved = 0;
    int64_t playSeconds = 0;
    int64_t gamesCleared = 0;
};

void playSession(Totals& totals) {
    ++run.session;
    forgetProgressInMemory();
    run.sessionStarting = true;
    // Start-up may hang before its first frame.
    armWatchdog();
    StartUpOptions startOptions;
    startOptions.headless = true;
    if (!startUp(run.roots, startOptions)) fail("start-up failed");
    Statistics before = statistics;
    mainMenuLoop();
    totals.livesLost += statistics.livesLost - before.livesLost;
    totals.gamesCleared += statistics.gamesCleared - before.gamesCleared;
    totals.demosSaved += statistics.demosSaved - before.demosSaved;
    totals.playSeconds += (statistics.gameMinutes - before.gameMinutes) * 60 +
                          statistics.gameSeconds - before.gameSeconds;
    shutDown();
    disarmWatchdog();
    run.keys->releaseAll();
    ++totals.sessions;
    if (lastLogLine() != "--- Done cleaing up ---")
        fail("the log does not end with the last line of shut-down but with \"" + lastLogLine() +
             "\"");
    int checked = 0;
    std::string wrong = checkWrittenFiles(checked);
    if (!wrong.empty()) fail(wrong);
    totals.filesChecked += checked;
}

int usage() {
    std::fprintf(stderr, "usage: tumblo-tool monkey --seed S --minutes M [--watchdog SECONDS] "
                         "[--rss-every MINUTES] [--failing-disk N] [--guided PERCENT] "
                         "[--solutions DIR] [--keep]\n");
    return 2;
}

bool parse(int argc, char** argv, Options& o) {
    bool seedGiven = false;
    for (int i = 0; i < argc; ++i) {
        std::string word = argv[i];
        bool hasValue = i + 1 < argc;
        char* end = nullptr;
        if (word == "--seed" && hasValue) {
            o.seed = std::strtoull(argv[++i], &end, 10);
            seedGiven = true;
        } else if (word == "--minutes" && hasValue) {
            o.minutes = std::strtod(argv[++i], &end);
            if (!(o.minutes > 0)) return false;
        } else if (word == "--watchdog" && hasValue) {
            o.watchdogSeconds = (int)std::strtol(argv[++i], &end, 10);
            if (o.watchdogSeconds < 0) return false;
        } else if (word == "--rss-every" && hasValue) {
            o.rssEveryMinutes = std::strtod(argv[++i], &end);
            if (!(o.rssEveryMinutes > 0)) return false;
        } else if (word == "--guided" && hasValue) {
            o.guidedPercent = (int)std::strtol(argv[++i], &end, 10);
            if (o.guidedPercent < 0 || o.guidedPercent > 100) return false;
        } else if (word == "--solutions" && hasValue) {
            o.solutions = commandLineFile(argv[++i]);
            end = argv[i] + std::strlen(argv[i]);
        } else if (word == "--failing-disk" && hasValue) {
            o.failingDisk = (int)std::strtol(argv[++i], &end, 10);
            if (o.failingDisk < 1) return false;
        } else if (word == "--keep") {
            o.keepTree = true;
            continue;
        } else {
            return false;
        }
        if (!end || *end) return false;
    }
    return seedGiven && o.minutes > 0;
}

int monkey(int argc, char** argv) {
    if (!parse(argc, argv, run.options)) return usage();
    if (run.options.solutions.empty()) run.options.solutions = solutionsFolder();
    int guides = run.guide.load(run.options.solutions);
    // The copy is of the working folder: it must be a game's data tree, not
    // whatever folder the shell stood in.
    if (!std::filesystem::is_directory(resolvePath("DATA"))) {
        std::fprintf(stderr, "tumblo-tool monkey: no game data tree here (DATA/ is missing); "
                             "give it with --game-dir\n");
        return 2;
    }
    ScratchTree tree;
    std::string error;
    if (!tree.copyFrom(std::filesystem::current_path().string(), error)) {
        std::fprintf(stderr, "tumblo-tool monkey: %s\n", error.c_str());
        return 1;
    }
    if (run.options.keepTree) tree.keep();
    run.treePath = tree.path();
    std::filesystem::path given = std::filesystem::current_path();
    std::filesystem::current_path(tree.path());
    run.roots.userWritable = true;
    setFileRoots(run.roots.data, run.roots.user);
    watchForCrashes(run.options.seed, run.treePath, run.options.watchdogSeconds);

    MonkeyKeys keys(run.options.seed);
    run.keys = &keys;
    run.limit = (int64_t)(run.options.minutes * unitsPerMinute);
    // The game's messages wait for a press on screen, as for a player.
    messagesToStderr = false;
    setFrameHook(onFrame);
    setTickHook(onTick);
    if (run.options.failingDisk > 0) failFileStep(keys.between(1, 2 * run.options.failingDisk - 1));
    auto started = std::chrono::steady_clock::now();

    Totals totals;
    while (run.quitAt < 0) {
        clearQuitRequest();
        playSession(totals);
    }
    setFrameHook(nullptr);
    setTickHook(nullptr);

    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("monkey: seed %llu: %.1f simulated minutes in %.1f s (%.1f simulated minutes per "
                "second), %lld frames, %d sessions, %d written files checked, %lld lives lost, "
                "%lld demos saved, %lld s of play, %lld stages cleared, %lld games cleared, "
                "%lld save steps failed; %d solution demos to guide it\n",
                (unsigned long long)run.options.seed, minutesOf(run.now), seconds,
                minutesOf(run.now) / (seconds > 0 ? seconds : 1), (long long)run.frames,
                totals.sessions, totals.filesChecked, (long long)totals.livesLost,
                (long long)totals.demosSaved, (long long)totals.playSeconds,
                (long long)run.stageClears, (long long)totals.gamesCleared,
                (long long)run.failedSteps, guides);
    // The game has shut down; what the tool does after it must not write into
    // the given tree's log. The copy goes with its destructor.
    gameLog.setEnabled(false);
    std::filesystem::current_path(given);
    if (run.options.keepTree) std::printf("tree kept in %s\n", tree.path().c_str());
    return 0;
}
} // namespace

REGISTER_COMMAND("monkey",
                 "monkey --seed S --minutes M [--watchdog SECONDS] [--rss-every MINUTES] "
                 "[--failing-disk N] [--guided PERCENT] [--solutions DIR] [--keep]",
                 monkey);
