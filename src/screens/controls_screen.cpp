#include "screens/controls_screen.h"

#include "platform/bitmap_file.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/pad.h"
#include "platform/quit_request.h"
#include "progress/controls.h"
#include "screens/menu_look.h"
#include "text/font.h"
#include "ui/list_menu.h"
#include "ui/sound_table.h"

#include <string>

namespace {
// What each action is called on the screen.
const char* const actionTitles[actionCount] = {
    "Left",  "Right", "Up",        "Down",      "Confirm/camera", "Back/leave",  "Record",
    "Pause", "Notes", "Speed 1/4", "Speed 1/2", "Speed 1",        "Speed 1 1/2",
};
const int resetRow = actionCount;
constexpr int listX = 40, listY = 34;
constexpr int keyColumn = 100, buttonColumn = 180;

std::string row(int action) {
    const Binding& b = bindings.of[action];
    std::string key = b.key == Key::None ? "-" : keyName(b.key);
    std::string button = b.button == PadButton::None ? "-" : padButtonName(b.button);
    return std::string(actionTitles[action]) + "\t" + key + "\t" + button;
}

void fillList(ListMenu& list) {
    list.setCount(actionCount + 1);
    for (int a = 0; a < actionCount; ++a)
        list.setEntry(a, row(a).c_str(), "ENTER: change it    ESC: back", true);
    list.setEntry(resetRow, "Reset to defaults", "The keys of the game as it came", true);
    list.columns = {keyColumn, buttonColumn};
    list.escapeLeaves = true;
    list.descriptionPos = {16, 216};
}

void drawHeading(const Picture& background) {
    drawBackdrop(background);
    gameFont.drawTextCentered("CONTROLS", 5, backBuffer);
    gameFont.drawText("Action", listX, 20, backBuffer);
    gameFont.drawText("Key", listX + keyColumn, 20, backBuffer);
    gameFont.drawText("Pad", listX + buttonColumn, 20, backBuffer);
}

// The key or pad button pressed first, once everything held when the wait
// began has been let go; the wait ends when it is let go again, so that the
// list does not read it (a key just bound to a direction would move the
// cursor). While it is held the screen names it, so the player sees what the
// game read. False when ESC cancels it or a quit is requested.
bool waitForBinding(const Picture& background, int action, Key& key, PadButton& button) {
    enum { Releasing, Waiting, Ending } stage = Releasing;
    bool cancelled = false;
    key = Key::None;
    button = PadButton::None;
    while (!quitRequested()) {
        while (gameTicks > 0) {
            pollJoystick();
            Key down = Key::None;
            for (int k = 1; k < int(Key::Count) && down == Key::None; ++k)
                if (isKeyDown(Key(k))) down = Key(k);
            PadButton pressed = PadButton::None;
            for (int b = 0; b < padButtonCount && pressed == PadButton::None; ++b)
                if (padButtonHeld(PadButton(b))) pressed = PadButton(b);
            gameTicks -= 1;
            bool nothing = down == Key::None && pressed == PadButton::None;
            if (stage == Releasing && nothing) {
                stage = Waiting;
            } else if (stage == Waiting && !nothing) {
                cancelled = down == Key::Escape;
                key = down;
                button = pressed;
                stage = Ending;
            } else if (stage == Ending && nothing) {
                return !cancelled;
            }
        }
        drawHeading(background);
        std::string what = std::string("for ") + actionTitles[action];
        gameFont.drawTextCentered("Press a key or a pad button", 100, backBuffer);
        gameFont.drawTextCentered(what.c_str(), 112, backBuffer);
        if (stage == Ending && !cancelled)
            gameFont.drawTextCentered(key != Key::None ? keyName(key) : padButtonName(button), 124, backBuffer);
        gameFont.drawTextCentered("ESC cancels", 136, backBuffer);
        presentFrame();
    }
    return false;
}
} // namespace

void controlsScreen() {
    Picture background = loadDimmedBackground("BITMAP\\BG\\BG03.BMP");
    Bindings before = bindings;
    ListMenu list;
    ListMenu::Place place;
    while (!quitRequested()) {
        fillList(list);
        list.setPlace(place);
        drawHeading(background);
        int chosen = list.run(listX, listY);
        place = list.place();
        if (chosen < 0) break;
        if (chosen == resetRow) {
            bindings = Bindings::defaults();
            sfxLife.play();
            continue;
        }
        Key key;
        PadButton button;
        if (!waitForBinding(background, chosen, key, button)) continue;
        if (key != Key::None)
            bindings.bindKey(Action(chosen), key);
        else
            bindings.bindButton(Action(chosen), button);
        sfxGold.play();
    }
    if (!(bindings == before)) saveControls();
}
