// The jukebox through the extras menu: each row plays its tune over its
// background, the music switch is forced on only while it runs, and the menu
// tune comes back when it is left.
#include "platform/sound_mixer.h"
#include "screens/extras_fixture.h"
#include "screens/extras_menu.h"
#include "screens/jukebox.h"

#include <string>
#include <vector>

namespace {
class JukeboxTest : public ExtrasTest {
protected:
    // The menu tune marked playing but silent: music switched off.
    void musicOff() {
        menuMusic.stop();
        settings.playMusic = false;
        applySettings();
        menuMusic.play();
    }

    // What the jukebox plays and shows at a moment.
    struct Moment {
        std::string tune;
        bool sounding = false;
        int background = -1;
    };
    static Moment now() {
        Moment m;
        m.tune = jukeboxSong.handle >= 0 ? jukeboxSong.fileName : "";
        m.sounding = soundMixer.songPlaying(jukeboxSong.handle);
        m.background = pixelAt(backBuffer, 2, 2);
        return m;
    }
    static int songRow() {
        int order = -1, row = -1;
        soundMixer.songOrderRow(jukeboxSong.handle, order, row);
        return order * 64 + row;
    }
};
} // namespace

TEST_F(JukeboxTest, EachRowPlaysItsTuneOverItsBackgroundAndTheMenuTuneComesBack) {
    musicOff();
    std::vector<Moment> moments;
    bool menuTuneMarked = true;
    int rowBeforeRestart = 0, rowAfterRestart = -1;
    FrameDriver driver([&](int frame) {
        tapAt(frame, 2, Key::Down);
        tapAt(frame, 12, Key::Return); // "Jukebox"
        if (frame == 20) {
            moments.push_back(now());
            menuTuneMarked = menuMusic.playing;
        }
        tapAt(frame, 22, Key::Down);
        tapAt(frame, 32, Key::Return); // row 1
        if (frame == 40) {
            moments.push_back(now());
            std::vector<int16_t> out(2 * 22050);
            soundMixer.render(out.data(), 22050);
            rowBeforeRestart = songRow();
        }
        tapAt(frame, 42, Key::Return); // row 1 again: from the start
        if (frame == 50) rowAfterRestart = songRow();
        tapAt(frame, 52, Key::Down);
        tapAt(frame, 62, Key::Return); // row 2
        if (frame == 70) moments.push_back(now());
        for (int i = 0; i < 3; ++i)
            tapAt(frame, 72 + 10 * i, Key::Down);
        tapAt(frame, 102, Key::Return); // row 5
        if (frame == 110) moments.push_back(now());
        tapAt(frame, 112, Key::Down);
        tapAt(frame, 122, Key::Return); // "Return"
        if (frame == 130) moments.push_back(now());
        tapAt(frame, 132, Key::Escape);
        if (frame > 300) requestQuit();
    });
    extrasMenu();
    EXPECT_EQ(driver.frames(), 133);
    ASSERT_EQ(moments.size(), 5u);
    EXPECT_EQ(moments[0].tune, "");
    EXPECT_EQ(moments[0].background, backdropColour("BITMAP/BG/BG03.BMP"));
    EXPECT_FALSE(menuTuneMarked);

    EXPECT_EQ(moments[1].tune, "MUSIC\\TROPICAL.IT");
    EXPECT_TRUE(moments[1].sounding); // heard though music is switched off
    EXPECT_EQ(moments[1].background, backdropColour("BITMAP/BG/BG02.BMP"));
    EXPECT_GT(rowBeforeRestart, 4);
    EXPECT_EQ(rowAfterRestart, 0);
    EXPECT_EQ(moments[2].tune, "MUSIC\\DESERT.IT");
    EXPECT_EQ(moments[2].background, backdropColour("BITMAP/BG/BG06.BMP"));
    EXPECT_EQ(moments[3].tune, "MUSIC\\COMPLETE.IT");
    EXPECT_EQ(moments[3].background, backdropColour("BITMAP/BG/BG03.BMP"));
    // Back in the extras menu: the jukebox's tune is gone, the menu tune is
    // marked playing again and stays silent as the player chose.
    EXPECT_EQ(moments[4].tune, "");
    EXPECT_FALSE(settings.playMusic);
    EXPECT_TRUE(menuMusic.playing);
    EXPECT_FALSE(soundMixer.songPlaying(menuMusic.handle));
}
