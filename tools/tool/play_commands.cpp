// replay, trace and verify: demos played through the game's own loop, headless.
#include "tool/command.h"
#include "tool/game_tree.h"

#include "game/actor_physics.h"
#include "game/headless_playback.h"
#include "level/graphics.h"
#include "level/play_shown.h"
#include "text/data_file.h"
#include "text/font.h"
#include "ui/message_screen.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {
// The pictures the sprites draw with and the font of the overlays, as at the
// game's start; sound stays off. Nobody sees these runs.
void loadGameData() {
    static bool loaded = false;
    if (loaded) return;
    loaded = true;
    playShown = false;
    std::string error;
    if (!gameFont.load("DATA\\FONT.FNT", error)) showError(error.c_str());
    loadPlayGraphics();
}

int exitStatus(const PlaybackResult& r) {
    return r.end == PlaybackResult::NotStarted ? 2 : r.end == PlaybackResult::Unfinished ? 1 : 0;
}

void printResult(const PlaybackResult& r) {
    std::printf("%s %d cups %d gold %d\n", playbackEndName(r.end), r.tick, r.cups, r.gold);
}

int replay(int argc, char** argv) {
    const char* path = nullptr;
    int rate = 0;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rate") == 0 && i + 1 < argc) {
            rate = std::atoi(argv[++i]);
            if (rate != 15 && rate != 30 && rate != 60 && rate != 90) {
                std::fprintf(stderr, "tumblo-tool: --rate takes 15, 30, 60 or 90\n");
                return 2;
            }
        } else if (!path) {
            path = argv[i];
        } else {
            path = nullptr;
            break;
        }
    }
    if (!path) {
        std::fprintf(stderr, "usage: tumblo-tool replay DEMO.TDM [--rate 15|30|60|90]\n");
        return 2;
    }
    loadGameData();
    DataReader in;
    openCommandLineFile(path, in);
    PlaybackOptions options;
    options.rate = rate;
    PlaybackResult r = playDemoHeadless(in, path, options);
    if (r.end == PlaybackResult::NotStarted) return 2;
    printResult(r);
    return exitStatus(r);
}

// The switches that must not change play: each turns on a slower way that the
// rules read more literally, or the animations nobody sees here.
int trace(int argc, char** argv) {
    const char* path = nullptr;
    bool literal = false, bruteForce = false, shown = false;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--literal") == 0)
            literal = true;
        else if (std::strcmp(argv[i], "--brute-force") == 0)
            bruteForce = true;
        else if (std::strcmp(argv[i], "--shown") == 0)
            shown = true;
        else if (!path && argv[i][0] != '-')
            path = argv[i];
        else
            path = nullptr, i = argc;
    }
    if (!path) {
        std::fprintf(stderr, "usage: tumblo-tool trace DEMO.TDM [--literal] [--brute-force] "
                             "[--shown]\n");
        return 2;
    }
    loadGameData();
    literalStepping = literal;
    bruteForceCollision = bruteForce;
    playShown = shown;
    literalStepping = literal;
    bruteForceCollision = bruteForce;
    playShown = shown;
    DataReader in;
    openCommandLineFile(path, in);
    PlaybackOptions options;
    options.onTick = [](int32_t tick) { std::printf("%s\n", traceTickLine(tick).c_str()); };
    PlaybackResult r = playDemoHeadless(in, path, options);
    if (r.end == PlaybackResult::NotStarted) return 2;
    std::printf("end %s %d\n", playbackEndName(r.end), r.tick);
    return exitStatus(r);
}

// Each solution reaches the end its header records: a death when it says the
// ball died, else the clear with the same clear time; and as many cups.
bool reachesRecordedEnd(const PlaybackResult& r, std::string& why) {
    bool died = r.end == PlaybackResult::Died || r.end == PlaybackResult::TimedOut;
    if (r.recordedDied == 1 ? !died : r.end != PlaybackResult::Cleared) {
        why = std::string("ended ") + playbackEndName(r.end) + ", recorded " +
              (r.recordedDied == 1 ? "died" : "cleared");
        return false;
    }
    if (r.cups != r.recordedCups) {
        why =
            "took " + std::to_string(r.cups) + " cups, recorded " + std::to_string(r.recordedCups);
        return false;
    }
    if (!died && r.clearTime != r.recordedClearTime) {
        why = "cleared in " + r.clearTime + ", recorded " + r.recordedClearTime;
        return false;
    }
    return true;
}

int verify(int argc, char** argv) {
    if (argc > 1) {
        std::fprintf(stderr, "usage: tumblo-tool verify [FOLDER]\n");
        return 2;
    }
    std::string folder = argc == 1 ? commandLineFile(argv[0]) : solutionsFolder();
    std::vector<std::string> demos;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::string name = entry.path().filename().string();
        if (name.size() > 4 &&
            (name.substr(name.size() - 4) == ".TDM" || name.substr(name.size() - 4) == ".tdm"))
            demos.push_back(entry.path().string());
    }
    std::sort(demos.begin(), demos.end());
    if (demos.empty()) {
        std::fprintf(stderr, "tumblo-tool: no demos (*.TDM) in %s\n", folder.c_str());
        return 2;
    }
    loadGameData();
    int failed = 0;
    for (const std::string& path : demos) {
        DataReader in;
        in.openSystemPath(path);
        PlaybackResult r = playDemoHeadless(in, path.c_str(), PlaybackOptions());
        std::string why;
        std::string name = std::filesystem::path(path).filename().string();
        if (reachesRecordedEnd(r, why)) {
            std::printf("ok   %s: %s %d cups %d gold %d\n", name.c_str(), playbackEndName(r.end),
                        r.tick, r.cups, r.gold);
        } else {
            std::printf("FAIL %s: %s\n", name.c_str(), why.c_str());
            ++failed;
        }
    }
    std::printf("%d of %d demos reach their recorded end\n", (int)demos.size() - failed,
                (int)demos.size());
    return failed ? 1 : 0;
}
} // namespace

REGISTER_COMMAND("replay", "replay DEMO.TDM [--rate 15|30|60|90]", replay);
REGISTER_COMMAND("trace", "trace DEMO.TDM [--literal] [--brute-force] [--shown]", trace);
REGISTER_COMMAND("verify", "verify [FOLDER]   (default: the solutions beside the game)", verify);
