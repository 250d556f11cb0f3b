// The bindings file: a round trip through the Controls screen's operations and
// the file, and damaged files that keep what they give well.
#include "progress/controls.h"
#include "progress_fixture.h"

#include "platform/paths.h"

TEST_F(ProgressTest, BindingsSwapWithinAContextAndSurviveTheFile) {
    Bindings b = Bindings::defaults();
    b.bindKey(Action::Right, Key::D);
    EXPECT_EQ(b[Action::Right].key, Key::D);
    // Left's key taken by right: the two swap, in play and in the menus.
    b.bindKey(Action::Right, Key::Left);
    EXPECT_EQ(b[Action::Right].key, Key::Left);
    EXPECT_EQ(b[Action::Left].key, Key::D);
    // F1 is the notes in play and the quarter speed in playback: they never
    // meet, so binding the notes to F3 leaves the speeds alone...
    b.bindKey(Action::Notes, Key::F3);
    EXPECT_EQ(b[Action::Speed3].key, Key::F3);
    // ...while F3 for the quarter speed swaps with the normal speed.
    b.bindKey(Action::Speed1, Key::F3);
    EXPECT_EQ(b[Action::Speed3].key, Key::F1);
    b.bindButton(Action::Record, PadButton::Y);
    b.bindButton(Action::Confirm, PadButton::Y);
    EXPECT_EQ(b[Action::Record].button, PadButton::A);

    bindings = b;
    ASSERT_TRUE(saveControls());
    bindings = Bindings::defaults();
    loadControls();
    EXPECT_TRUE(bindings == b);
    EXPECT_EQ(logLines().back(), "Loading controls.cfg");

    std::vector<std::string> problems;
    EXPECT_TRUE(parseControls(formatControls(Bindings::defaults()), problems) ==
                Bindings::defaults());
    EXPECT_TRUE(problems.empty());
}

TEST_F(ProgressTest, ADamagedBindingsFileKeepsWhatItGivesWell) {
    struct Case {
        const char* why;
        std::string text;
        size_t problems;
    };
    const Case cases[] = {
        {"unknown action", "jump = J\nright = D\n", 1},
        {"unknown key, good button", "left = Hyper, y\nright = D\n", 1},
        {"unknown button", "right = D, turbo\n", 1},
        {"duplicate line", "right = D\nright = G\n", 1},
        {"no equals sign", "right D\nright = d\n", 1},
        {"binary junk", std::string("\x7f" "ELF\x01\x02\0\0\xff\n", 10) + "RIGHT = d  # ok\n", 1},
    };
    for (const Case& c : cases) {
        std::vector<std::string> problems;
        Bindings b = parseControls(c.text, problems);
        EXPECT_EQ(problems.size(), c.problems) << c.why;
        EXPECT_EQ(b[Action::Right].key, Key::D) << c.why;
        EXPECT_EQ(b[Action::Left].key, Key::Left) << c.why;
    }
    std::vector<std::string> problems;
    Bindings onlyButton = parseControls("record = , y\n", problems);
    EXPECT_EQ(onlyButton[Action::Record].key, Key::F2);
    EXPECT_EQ(onlyButton[Action::Record].button, PadButton::Y);

    // Read at start-up: the defaults for the broken line, a line in the log.
    writeFileBytes("controls.cfg", {'j', 'u', 'm', 'p', '=', 'J', '\n', 'u', 'p', '=', 'W'});
    loadControls();
    EXPECT_EQ(bindings[Action::Up].key, Key::W);
    EXPECT_EQ(bindings[Action::Left].key, Key::Left);
    EXPECT_EQ(logLines().back(), "controls.cfg line 1: no action \"jump\"");
    std::remove("controls.cfg");
    loadControls();
    EXPECT_TRUE(bindings == Bindings::defaults());
    EXPECT_EQ(logLines().back(), "No controls.cfg: using the default controls");
}
