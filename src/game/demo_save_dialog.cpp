// The name entry after a recorded run: letters, digits, SPACE as "_",
// BACKSPACE, ENTER to save and ESC to cancel.
#include "game/demo.h"

#include "platform/bitmap_file.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/quit_request.h"
#include "progress/statistics.h"
#include "text/font.h"
#include "text/text_pool.h"
#include "ui/message_screen.h"
#include "ui/sound_table.h"

#include <string>
#include <vector>

namespace {
constexpr size_t maxNameLength = 39;

// The keys that type a character, in the order they are looked at: A to Z, then
// 0 to 9.
struct TypingKey {
    Key key;
    char character;
};

std::vector<TypingKey> typingKeys() {
    std::vector<TypingKey> keys;
    for (int i = 0; i < 26; ++i)
        keys.push_back({letterKey(i), (char)('A' + i)});
    for (int i = 0; i < 10; ++i)
        keys.push_back({digitKey(i), (char)('0' + i)});
    return keys;
}

class NameEntry {
public:
    // One tick of typing; true once the player has finished (the name is then
    // empty when cancelled).
    bool step() {
        pollJoystick();
        bool a, b, c;
        readButtons(a, b, c);
        bool finished = false;
        // A key's own latch clears whenever it is up, whatever else this tick does.
        for (size_t k = 0; k < keys.size(); ++k)
            if (!isKeyDown(keys[k].key)) reported[k] = false;
        bool space = isKeyDown(Key::Space), backspace = isKeyDown(Key::Backspace);
        bool enter = isKeyDown(Key::Return), escape = isKeyDown(Key::Escape);
        if (!latched && space) {
            if (name.size() < maxNameLength) name += '_';
        } else if (!latched && backspace) {
            if (!name.empty()) name.pop_back();
        } else if (!latched && (escape || b)) {
            name.clear();
            finished = true;
        } else if (!latched && (enter || a)) {
            finished = true;
        } else {
            typeOneKey();
        }
        latched = enter || backspace || escape || space || a || b || c;
        return finished;
    }
    const std::string& text() const { return name; }

private:
    // The first letter or digit that is down and not yet typed since it went
    // down; each key has its own latch, so keys pressed together come one tick
    // after another.
    void typeOneKey() {
        if (name.size() >= maxNameLength) return;
        for (size_t k = 0; k < keys.size(); ++k) {
            if (reported[k] || !isKeyDown(keys[k].key)) continue;
            name += keys[k].character;
            reported[k] = true;
            return;
        }
    }

    std::vector<TypingKey> keys = typingKeys();
    std::vector<bool> reported = std::vector<bool>(keys.size(), false);
    std::string name;
    bool latched = true; // keys still held from play do nothing until released
};
} // namespace

void saveDemoDialog(int32_t died) {
    Picture background = loadBitmap("BITMAP\\BG\\BG04.BMP");
    drawDimOverlay(background);
    NameEntry entry;
    bool finished = false;
    while (!finished) {
        while (gameTicks > 0 && !finished) {
            finished = entry.step();
            gameTicks -= 1;
        }
        // Leaving the game meanwhile saves nothing: the player never confirmed.
        if (quitRequested()) return;
        if (finished) break;
        if (background)
            copyArea(background, backBuffer, 0, 0, 0, 0, 320, 240);
        else
            clearPicture(backBuffer, colourOf(0, 0, 0));
        gameFont.drawTextCentered("Enter a name for this demo", 64, backBuffer);
        gameFont.drawTextCentered("Press ENTER to save", 76, backBuffer);
        gameFont.drawTextCentered("Press ESC to cancel", 88, backBuffer);
        gameFont.drawText(entry.text().c_str(), 64, 128, backBuffer);
        presentFrame();
    }
    if (!entry.text().empty()) {
        if (writeRecordedDemo(entry.text().c_str(), died)) {
            sfxLife.play();
            statistics.countDemoSaved();
        } else {
            sfxDie.play();
            showMessage("Error!", joinText("Couldn't open ", entry.text().c_str()));
        }
    }
    background.reset();
}
