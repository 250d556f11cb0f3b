// The first-time help driven as a player meets it: one line more every second,
// one at once on a press, and the press after the last line ends it.
#include "screens/extras_fixture.h"
#include "screens/first_time_help.h"

#include <vector>

namespace {
class HelpScreenTest : public ExtrasTest {
protected:
    // How many of the eleven lines the back buffer shows.
    static int linesShown() {
        int shown = 0;
        for (int line = 0; line < helpLineCount; ++line)
            if (textOnRow(helpLineRows[line])) ++shown;
        return shown;
    }
};
} // namespace

TEST_F(HelpScreenTest, ALineEverySecondOrAtOnceOnAPressAndAPressAfterTheLastEndsIt) {
    settings.firstTime = true;
    simulateKey(Key::Return, true); // still held from the menu: must not count
    std::vector<int> shown;
    bool flagClearedAtOnce = false;
    FrameDriver driver([&](int frame) {
        if (frame == 0) flagClearedAtOnce = !settings.firstTime;
        shown.push_back(linesShown());
        if (frame == 3) simulateKey(Key::Return, false);
        // Presses at 150, then every 10 frames from 220 on.
        for (int at : {150, 220, 230, 240, 250, 260, 270, 300, 320}) {
            if (frame == at) simulateKey(Key::Return, true);
            if (frame == at + 3) simulateKey(Key::Return, false);
        }
        if (frame > 400) requestQuit(); // a help that never ends fails below
    });
    firstTimeHelp();
    EXPECT_TRUE(flagClearedAtOnce);
    ASSERT_EQ(driver.frames(), 322); // ended by the press seen in step 321
    EXPECT_EQ(shown[0], 1);
    EXPECT_EQ(shown[59], 1);
    EXPECT_EQ(shown[60], 2);
    EXPECT_EQ(shown[119], 2);
    EXPECT_EQ(shown[120], 3);
    EXPECT_EQ(shown[150], 3);
    EXPECT_EQ(shown[151], 4); // the press adds a line at once ...
    EXPECT_EQ(shown[180], 4); // ... and the second starts over
    EXPECT_EQ(shown[209], 4);
    EXPECT_EQ(shown[210], 5);
    EXPECT_EQ(shown[271], 11); // six quick presses: every line is on screen
    EXPECT_EQ(shown[321], 11);
}
