#include "screens/records_screen.h"

#include "platform/display.h"
#include "platform/quit_request.h"
#include "progress/clear_time.h"
#include "progress/options.h"
#include "progress/records.h"
#include "progress/stage_set.h"
#include "screens/menu_look.h"
#include "screens/record_texts.h"
#include "text/font.h"
#include "text/text_utils.h"
#include "ui/list_menu.h"
#include "ui/sound_table.h"

#include <string>

namespace {
constexpr int ghostRow = 0;
constexpr int listX = 24, listY = 34, headingY = 21;
// From the list's x; titles are cut to the room before the first time.
constexpr int bestColumn = 96, cupColumn = 180, medalColumn = 266;
constexpr int titleRoom = bestColumn - 4;
constexpr int maxVisibleRows = 14;

std::string fittedTitle(const char* title) {
    std::string text = title;
    while (!text.empty() && gameFont.textWidth(text.c_str()) > titleRoom)
        text.pop_back();
    return text;
}

// A time in the table; "*" marks one set on an old version of the map.
std::string timeCell(const StageRecord& record, bool old) {
    if (!record.set()) return "-";
    return clearTickText(record.tick) + (old ? "*" : "");
}

void drawHeading(const Picture& background) {
    drawBackdrop(background);
    gameFont.drawTextCentered("RECORDS", 5, backBuffer);
    gameFont.drawText("Stage", listX, headingY, backBuffer);
    gameFont.drawText("Best", listX + bestColumn, headingY, backBuffer);
    gameFont.drawText("$A", listX + cupColumn, headingY, backBuffer);
    gameFont.drawText("Medal", 316 - gameFont.textWidth("Medal"), headingY, backBuffer);
}
} // namespace

void buildRecordsList(ListMenu& list) {
    RecordsFile records = loadRecords(stageSet.fileName);
    list.setCount(stageSet.stageCount + 1);
    list.setEntry(ghostRow, options.ghost ? "Ghost: On" : "Ghost: Off",
                  "ENTER switches it: your best run, drawn\nbeside you in training", true);
    for (int s = 0; s < stageSet.stageCount; ++s) {
        StageStanding standing = standingOf(records, stageSet.stageFiles[s]);
        std::string row = fittedTitle(stageSet.stageTitles[s]) + "\t" +
                          timeCell(standing.records.best, standing.bestIsOld) + "\t" +
                          timeCell(standing.records.cup, standing.cupIsOld) + "\t" +
                          medalIcon(standing.medal);
        list.setEntry(s + 1, row.c_str(), recordsDescription(standing).c_str(), true);
    }
    list.columns = {bestColumn, cupColumn, medalColumn};
    list.visibleRows = list.count < maxVisibleRows ? list.count : maxVisibleRows;
    list.setArrowPositions(listX - 20, headingY, listX - 20, listY + maxVisibleRows * 12);
    list.descriptionPos = {16, 208};
}

void recordsScreen() {
    Picture background = loadDimmedBackground("BITMAP\\BG\\BG06.BMP");
    ListMenu list;
    ListMenu::Place place;
    while (!quitRequested()) {
        buildRecordsList(list);
        list.setPlace(place);
        drawHeading(background);
        int chosen = list.run(listX, listY);
        place = list.place();
        if (chosen < 0) break;
        if (chosen != ghostRow) continue;
        options.ghost = !options.ghost;
        sfxGold.play();
        saveOptions();
    }
}
