#include "screens/demo_browser.h"

#include "game/demo.h"
#include "game/demo_ghost.h"
#include "game/game_loop.h"
#include "game/hud.h"
#include "game/play_records.h"
#include "game/stage_flow.h"
#include "level/map.h"
#include "platform/bitmap_file.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/log.h"
#include "platform/paths.h"
#include "platform/quit_request.h"
#include "screens/menu_look.h"
#include "text/file_finder.h"
#include "text/font.h"
#include "text/text_pool.h"
#include "text/text_utils.h"
#include "ui/list_menu.h"
#include "ui/message_screen.h"
#include "ui/sound_table.h"

#include <cstdio>
#include <string>

namespace {
constexpr int maxVisibleDemos = 14;
const char* const demoPattern = "DEMOS\\*.TDM";

// Where the cursor stood when the list was last left; -1 for none.
struct ListPosition {
    int selected = -1;
    int cursorRow = -1;
    int scrollTop = -1;
};

// "Map: " and the stage; the clear time ("-" after a death); the cup.
std::string describe(const DemoInfo& info) {
    std::string text = std::string("Map: ") + info.title;
    if (info.died)
        text += "\nClear time: -";
    else
        text += std::string("\nClear time: ") + info.clearTime;
    if (info.cupTaken) text += "\n$A";
    return text;
}
} // namespace

void buildDemoList(ListMenu& list, DemoInfo& info) {
    int n = 0;
    for (FileFinder counter(demoPattern); counter.next();)
        ++n;
    if (n == 0) return;
    list.setCount(n);
    FileFinder finder(demoPattern);
    for (int i = 0; i < n && finder.next(); ++i) {
        list.setEntry(i, finder.fileName(), "", true);
        readDemoInfo(joinText("DEMOS\\", finder.fileName()), info);
        list.setEntry(i, finder.fileName(), describe(info).c_str(), true);
    }
    list.selected = 0;
    list.visibleRows = n < maxVisibleDemos ? n : maxVisibleDemos;
}

namespace {
void restore(ListMenu& list, const ListPosition& at) {
    if (at.selected != -1) list.selected = at.selected;
    if (at.cursorRow != -1) list.cursorRow = at.cursorRow;
    if (at.scrollTop != -1) list.scrollTop = at.scrollTop;
    // After a deletion the list may have shrunk under its rows: keep the same
    // entry highlighted and the rows filled.
    if (list.count == 0) return;
    if (list.selected >= list.count) list.selected = list.count - 1;
    if (list.scrollTop > list.count - list.visibleRows)
        list.scrollTop = list.count - list.visibleRows;
    if (list.scrollTop > list.selected) list.scrollTop = list.selected;
    if (list.scrollTop < 0) list.scrollTop = 0;
    list.cursorRow = list.selected - list.scrollTop;
}

// Presents the frame until the key is let go, so that holding it acts once.
void waitForRelease(Key key) {
    while (isKeyDown(key) && !quitRequested()) {
        while (gameTicks > 0)
            gameTicks -= 1;
        presentFrame();
    }
}

int deleteHighlighted(ListMenu& list) {
    const char* name = list.entry(list.selected).text.c_str();
    if (std::remove(resolvePath(joinText("DEMOS\\", name)).c_str()) != 0) return 0;
    sfxDie.play();
    waitForRelease(Key::Delete);
    if (list.selected == list.count - 1) list.selected = list.scrollTop = list.cursorRow = 0;
    return 0;
}

// The highlighted demo, replayed unseen, becomes its stage's ghost.
int ghostOfHighlighted(ListMenu& list) {
    const char* name = list.entry(list.selected).text.c_str();
    gameLog.write(joinText("Ghost from DEMO: ", name));
    DemoGhost made = ghostFromDemo(joinText("DEMOS\\", name));
    if (made == DemoGhost::Kept)
        showMessage("Ghost", joinText("Now the ghost of ", currentMap.name));
    else if (made == DemoGhost::NotKept)
        showMessage("Ghost", "Only a demo that clears its stage can be a ghost");
    waitForRelease(Key::G);
    return 0;
}

int playDemo(const char* name) {
    playMode.singleStage = true;
    playMode.demoMode = DemoMode::Playback;
    gameLog.write(joinText("Loading DEMO: ", name));
    copyText(playbackDemoName, name, sizeof playbackDemoName);
    if (!loadDemo(joinText("DEMOS\\", name))) {
        gameLog.write("Unable to load DEMO!");
        return 0;
    }
    gameLog.write("Finished loading!");
    // Without its map there is nothing to play back; the loader has said so.
    if (startStage()) runPlay();
    return 0;
}
} // namespace

int demoSelect(const Picture& background, ListMenu& list) {
    drawBackdrop(background);
    gameFont.drawTextCentered("SELECT DEMO", 5, backBuffer);
    gameFont.drawText("Use keys F1-F4\nto toggle speed", 220, 208, backBuffer);
    if (list.count == 0) {
        gameFont.drawText("No demos found!", 40, 40, backBuffer);
        waitForButtonPress();
        return -1;
    }
    int chosen = list.run(40, 40);
    if (chosen == ListMenu::backedOut) return -1;
    if (chosen == ListMenu::deleteRequested) return deleteHighlighted(list);
    if (chosen == ListMenu::extraKeyPressed) return ghostOfHighlighted(list);
    return playDemo(list.entry(chosen).text.c_str());
}

void demoBrowserScreen() {
    gameLog.write("--- Demo playback ---");
    gameLog.indentMore();
    ListMenu list;
    DemoInfo info;
    ListPosition saved;
    Picture background;
    for (;;) {
        list.clear();
        background = loadDimmedBackground("BITMAP\\BG\\BG05.BMP");
        buildDemoList(list, info);
        list.descriptionPos = {16, 208};
        list.deleteEnabled = true;
        list.extraKey = Key::G;
        restore(list, saved);
        int result = demoSelect(background, list);
        saved = {list.selected, list.cursorRow, list.scrollTop};
        if (result == -1) break;
    }
    list.clear();
    gameLog.indentLess();
}
