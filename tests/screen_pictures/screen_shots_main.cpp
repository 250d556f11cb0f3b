// tumblo-screens GAME_DIR OUTPUT_DIR [NAME...]: runs the registered shots.
#include "screen_pictures/screen_shots.h"

#include "level/graphics.h"
#include "platform/bitmap_file.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/headless.h"
#include "platform/quit_request.h"
#include "progress/options.h"
#include "progress/par_times.h"
#include "progress/settings.h"
#include "progress/stage_set.h"
#include "progress/statistics.h"
#include "progress/unlock_data.h"
#include "screens/menu_look.h"
#include "support/test_env.h"
#include "text/font.h"
#include "ui/message_screen.h"
#include "ui/sound_table.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

namespace {
struct Shot {
    const char* name;
    ShotFunction function;
};

std::vector<Shot>& shots() {
    static std::vector<Shot> list;
    return list;
}

// The loading steps of start-up that the screens rely on, without a window.
// The records start fresh, as in a new run: a shot must not inherit the
// progress another shot made up.
void loadGameData() {
    settings = Settings();
    statistics = Statistics();
    unlockData = UnlockData();
    std::string error;
    if (!gameFont.load("DATA\\FONT.FNT", error)) std::fprintf(stderr, "%s\n", error.c_str());
    gameFont.sheet = loadBitmap("BITMAP\\GENERAL\\FONT.BMP");
    loadSoundEffects();
    loadStageSet("DEFAULT.STG");
    loadSettings();
    options = Options();
    loadParTimes();
    loadStatistics();
    loadGraphics();
}
} // namespace

ShotRegistration::ShotRegistration(const char* name, ShotFunction function) {
    shots().push_back({name, function});
}

void ShotContext::capture(const std::string& name) {
    std::string path = folder + "/" + name + ".bmp";
    saveBitmapFile(backBuffer, path);
    ++count;
}

void ShotContext::drive(std::function<void(int frame)> script) {
    gameTicks = 0;
    int frame = 0;
    setFrameHook([script, frame]() mutable {
        script(frame++);
        gameTicks += 1;
    });
    startGameTimer(ticksPerSecond);
}

void ShotContext::leaveScreen() {
    requestQuit();
}

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: tumblo-screens GAME_DIR OUTPUT_DIR [NAME...]\n");
        return 2;
    }
    std::string game = std::filesystem::absolute(argv[1]).string();
    std::string output = std::filesystem::absolute(argv[2]).string();
    std::filesystem::create_directories(output);
    ensureHeadless();
    int failed = 0;
    for (const Shot& shot : shots()) {
        bool wanted = argc == 3;
        for (int i = 3; i < argc; ++i)
            wanted = wanted || std::strcmp(argv[i], shot.name) == 0;
        if (!wanted) continue;
        TempGameDir dir;
        std::filesystem::copy(game, ".", std::filesystem::copy_options::recursive);
        loadGameData();
        // Each picture as its shot alone makes it, whichever ran before.
        menuScroll = 0;
        ShotContext context(output, game);
        shot.function(context);
        setFrameHook(nullptr);
        stopGameTimer();
        clearQuitRequest();
        releaseSimulatedKeys();
        std::printf("%-24s %d picture(s)\n", shot.name, context.captured());
        if (context.captured() == 0) ++failed;
    }
    return failed ? 1 : 0;
}
