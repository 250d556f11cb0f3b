#include "screens/jukebox.h"

#include "platform/bitmap_file.h"
#include "platform/sound.h"
#include "progress/statistics.h"
#include "screens/item_menu.h"

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
} // namespace

void jukebox() {
    Picture pictures[pictureCount];
    for (int i = 0; i < pictureCount; ++i)
        pictures[i] = loadBitmap(pictureFiles[i]);
    // The outro's tune stays a secret until the game has been cleared.
    const int rows = statistics.gamesCleared != 0 ? songCount : songCount - 1;

    ItemMenu menu;
    for (int i = 0; i < rows; ++i)
        menu.items.push_back(songs[i].text);
    menu.items.push_back("Return");
    menu.x = 120;
    menu.pointer = "$E";
    menu.confirmSound = false;
    menu.background = &pictures[songs[0].picture];
    menu.backChoice = rows;
    menu.quitChoice = rows;
    menu.onConfirm = [&](int item) {
        if (item == rows) return ItemMenu::After::Leave;
        const Song& song = songs[item];
        jukeboxSong.unload();
        jukeboxSong.load(song.file);
        jukeboxSong.play();
        menu.background = &pictures[song.picture];
        return ItemMenu::After::Stay;
    };
    menu.run();
    jukeboxSong.unload();
}
