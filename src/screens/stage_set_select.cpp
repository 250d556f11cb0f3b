#include "screens/stage_set_select.h"

#include "platform/bitmap_file.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/log.h"
#include "progress/extra_stages.h"
#include "progress/stage_set.h"
#include "screens/menu_look.h"
#include "text/file_finder.h"
#include "text/font.h"
#include "ui/list_menu.h"
#include "ui/sound_table.h"

#include <string>

namespace {
constexpr int maxVisibleSets = 14;
const char* const stageSetPattern = "DATA\\*.STG";

int countStageSets() {
    FileFinder finder(stageSetPattern);
    int n = 0;
    while (finder.next())
        ++n;
    return n;
}

// Three lines: the title; "Author: " and the author; the number of levels.
std::string describe(const StageSetInfo& info) {
    return std::string(info.title) + "\nAuthor: " + info.author + "\n" +
           std::to_string(info.levels) + " levels";
}
} // namespace

// One entry per file in listing order. A header that cannot be read has been
// reported, and its entry describes what the record last held.
int buildStageSetList(ListMenu& list) {
    int n = countStageSets();
    if (n == 0) return 0;
    StageSetInfo info;
    list.setCount(n);
    FileFinder finder(stageSetPattern);
    for (int i = 0; i < n && finder.next(); ++i) {
        list.setEntry(i, finder.fileName(), "", true);
        readStageSetInfo(finder.fileName(), info);
        list.setEntry(i, finder.fileName(), describe(info).c_str(), true);
    }
    list.visibleRows = n < maxVisibleSets ? n : maxVisibleSets;
    list.selected = 0;
    list.descriptionPos = {16, 208};
    return n;
}

void stageSetSelectScreen() {
    ListMenu list;
    gameLog.write("--- Select StageSet ---");
    gameLog.indentMore();
    Picture background = loadDimmedBackground("BITMAP\\BG\\BG03.BMP");
    restoreExtraStages();
    list.rowHeight = 12;
    int n = buildStageSetList(list);
    drawBackdrop(background);
    gameFont.drawTextCentered("SELECT STAGE SET", 5, backBuffer);
    if (n == 0) {
        gameFont.drawText("No stage sets found!", 40, 40, backBuffer);
        waitForButtonPress();
    } else {
        int chosen = list.run(40, 40);
        if (chosen < 0) {
            list.clear();
        } else {
            // A set that cannot be loaded has said so; the sound and the fade
            // follow all the same.
            loadStageSet(list.entry(chosen).text.c_str());
            sfxLife.play();
            fadeOut();
        }
    }
    gameLog.indentLess();
    background.reset();
}
