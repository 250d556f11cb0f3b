#include "screens/jukebox.h"

#include "platform/bitmap_file.h"
#include "platform/clock.h"
#include "platform/quit_request.h"
#include "platform/sound.h"
#include "progress/statistics.h"
#include "screens/fixed_menu.h"

#include <allegro.h>

Music jukeboxSong;

namespace {
struct Song {
    const char* text;
    const char* file;
    int picture; // index into the jukebox's pictures
};

constexpr int songCount = 7;
const Song songs[songCount] = {
    {"Wandering off ...", "MUSIC\\WANDER.IT", 0},
    {"Aheh! A very groovy song!", "MUSIC\\TROPICAL.IT", 1},
    {"Ahea! Aho! Desu!", "MUSIC\\DESERT.IT", 2},
    {"This ball will kill youu!", "MUSIC\\CAVE.IT", 3},
    {"Cold freakin' Coffee :(", "MUSIC\\ICE.IT", 4},
    {"Level complete lolz", "MUSIC\\COMPLETE.IT", 0},
    {"Sshhh", "MUSIC\\S.IT", 5},
};

constexpr int pictureCount = 6;
const char* const pictureFiles[pictureCount] = {
    "BITMAP\\BG\\BG03.BMP", "BITMAP\\BG\\BG02.BMP", "BITMAP\\BG\\BG06.BMP",
    "BITMAP\\BG\\BG05.BMP", "BITMAP\\BG\\BG08.BMP", "BITMAP\\BG\\BGCRED.BMP",
};

void leave(BITMAP* (&pictures)[pictureCount]) {
    jukeboxSong.unload();
    for (BITMAP*& picture : pictures)
        destroyBitmap(picture);
}
} // namespace

void jukebox() {
    BITMAP* pictures[pictureCount] = {};
    for (int i = 0; i < pictureCount; ++i)
        pictures[i] = loadBitmap(pictureFiles[i]);
    // The outro's tune stays a secret until the game has been cleared.
    const int rows = statistics.gamesCleared != 0 ? songCount : songCount - 1;
    const char* texts[songCount + 1];
    for (int i = 0; i < rows; ++i)
        texts[i] = songs[i].text;
    texts[rows] = "Return";
    BITMAP* background = pictures[songs[0].picture];

    FixedMenu menu(rows + 1, 120, 140, "$E");
    menu.enter();
    while (!quitRequested()) {
        while (gameTicks > 0) {
            FixedMenu::Press press = menu.readPress();
            if (press == FixedMenu::confirmed) {
                if (menu.cursor == rows) {
                    leave(pictures);
                    return;
                }
                const Song& song = songs[menu.cursor];
                jukeboxSong.unload();
                jukeboxSong.load(song.file);
                jukeboxSong.play();
                background = pictures[song.picture];
            } else if (press == FixedMenu::backedOut) {
                leave(pictures);
                return;
            }
            menu.moveCursor();
            gameTicks -= 1;
        }
        menu.drawFrame(background, texts);
    }
    leave(pictures);
}
