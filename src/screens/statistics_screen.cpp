#include "screens/statistics_screen.h"

#include "platform/bitmap_file.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/quit_request.h"
#include "progress/statistics.h"
#include "progress/unlock_data.h"
#include "screens/menu_look.h"
#include "text/font.h"

#include <cstdio>

void composeStatisticsLines(StatisticsLine (&lines)[statisticsLineCount]) {
    int32_t deaths[3];
    statistics.deathCounts(deaths);
    int shares[3];
    for (int i = 0; i < 3; ++i)
        shares[i] = sharePercent(deaths, 3, deaths[i]);
    // A set without stages shows 0% for both.
    int goldShare = stageSharePercent(unlockData.clearedWithAllGold);
    int cupShare = stageSharePercent(unlockData.clearedWithCup);

    int n = 0;
    auto line = [&](int y, const char* format, auto... values) {
        lines[n].y = y;
        std::snprintf(lines[n].text, sizeof lines[n].text, format, values...);
        ++n;
    };
    line(16, "Game started: %d times", (int)statistics.gamesStarted);
    line(28, "Game cleared: %d times", (int)statistics.gamesCleared);
    line(52, "Total $D : %d%%", goldShare);
    line(64, "Total $A : %d%%", cupShare);
    line(88, "Total $C wasted: %d", (int)statistics.livesLost);
    line(100, "$C killed by $F : %d (%d%%)", (int)deaths[0], shares[0]);
    line(112, "$C killed by $J : %d (%d%%)", (int)deaths[1], shares[1]);
    line(124, "$C killed by other: %d (%d%%)", (int)deaths[2], shares[2]);
    line(148, "Demos saved: %d", (int)statistics.demosSaved);
    line(160, "Total gametime: %d minutes", (int)statistics.gameMinutes);
}

void statisticsScreen() {
    Picture background = loadBitmap("BITMAP\\BG\\BGcred.bmp");
    drawDimOverlay(background);
    StatisticsLine lines[statisticsLineCount];
    composeStatisticsLines(lines);
    pollJoystick();
    bool latched = heldButton() != -1;
    while (!quitRequested()) {
        while (gameTicks > 0) {
            pollJoystick();
            int held = heldButton();
            if (held != -1 && !latched) {
                background.reset();
                return;
            }
            if (held == -1) latched = false;
            advanceMenuScroll();
            gameTicks -= 1;
        }
        if (!background) clearPicture(backBuffer, colourOf(0, 0, 0));
        drawScrolledBackground(background, menuScroll);
        for (const StatisticsLine& line : lines)
            gameFont.drawText(line.text, 40, line.y, backBuffer);
        presentFrame();
    }
    background.reset();
}
