#include "screens/stage_select.h"

#include "game/game_loop.h"
#include "game/ghost.h"
#include "game/play_records.h"
#include "game/stage_flow.h"
#include "platform/bitmap_file.h"
#include "platform/display.h"
#include "progress/options.h"
#include "progress/records.h"
#include "progress/stage_set.h"
#include "progress/unlock_data.h"
#include "screens/menu_look.h"
#include "screens/record_texts.h"
#include "text/font.h"
#include "text/text_pool.h"
#include "text/text_utils.h"
#include "ui/list_menu.h"

#include <string>

namespace {
constexpr int maxVisibleStages = 15;
// The records line sits between the heading and the list.
constexpr int descriptionX = 16, descriptionY = 17;

// The stage's title with its marks: "$D " for all gold, "$A" for the cup.
std::string stageEntryText(int stage) {
    std::string text = stageSet.stageTitles[stage];
    text += " ";
    if (unlockData.clearedWithAllGold[stage] == 1) text += "$D ";
    if (unlockData.clearedWithCup[stage] == 1) text += "$A";
    return text;
}
} // namespace

void buildStageList(ListMenu& list) {
    int unlocked = 0;
    for (int s = 0; s < stageSet.stageCount; ++s)
        if (unlockData.stageUnlocked[s] == 1) ++unlocked;
    list.setCount(unlocked);
    list.setArrowPositions(45, 30, 45, 220);
    list.rowHeight = 12;
    for (int i = 0; i < unlocked; ++i)
        list.setEntry(i, stageEntryText(i).c_str(), "", true);
    list.visibleRows = unlocked < maxVisibleStages ? unlocked : maxVisibleStages;
    list.selected = 0;
}

void describeStageRecords(ListMenu& list) {
    RecordsFile records = loadRecords(stageSet.fileName);
    for (int i = 0; i < list.count; ++i)
        list.setEntry(i, list.entry(i).text.c_str(),
                      recordsLine(standingOf(records, stageSet.stageFiles[i])).c_str(), true);
    list.descriptionPos = {descriptionX, descriptionY};
}

namespace {
// Training on the chosen stage; the record button starts it over as a
// recording, as often as the player asks.
void playTraining(int stage) {
    copyText(currentMapFile, stageSet.stageFiles[stage], mapFileCapacity);
    playMode.singleStage = true;
    playMode.demoMode = DemoMode::None;
    if (!startStage()) return; // the map loader has said why
    // The ghost of the best run so far, as the Records screen's switch says.
    auto race = [] {
        if (options.ghost) raceGhost(currentMapFile);
    };
    race();
    while (runPlay() == recordRequested) {
        playMode.demoMode = DemoMode::Recording;
        recordCooldown = 30;
        if (!startStage()) break;
        race();
    }
    stopGhost();
}
} // namespace

void stageSelectScreen() {
    ListMenu list;
    Picture background = loadDimmedBackground("BITMAP\\BG\\BG02.BMP");
    buildStageList(list);
    describeStageRecords(list);
    for (;;) {
        drawBackdrop(background);
        gameFont.drawTextCentered("SELECT STAGE", 5, backBuffer);
        gameFont.drawTextCentered(joinText("Using Stage Set: ", stageSet.title), 220, backBuffer);
        int chosen = list.run(40, 40);
        if (chosen < 0) break;
        playTraining(chosen);
        describeStageRecords(list); // a clear may have set a record
    }
    list.clear();
    background.reset();
}
