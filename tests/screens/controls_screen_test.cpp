// The Controls screen and the menus with a pad, and the screen with keys.
#include "front_end_fixture.h"
#include "screens/controls_screen.h"
#include "screens/title_menu.h"

#include "platform/pad.h"
#include "progress/controls.h"

namespace {
class PadMenus : public FrontEndTest {
protected:
    void SetUp() override {
        FrontEndTest::SetUp();
        bindings = Bindings::defaults();
    }
    void TearDown() override {
        removeSimulatedPad();
        updatePads();
        bindings = Bindings::defaults();
        FrontEndTest::TearDown();
    }
};

void padTap(PadButton button, int frame, int at) {
    if (frame == at) simulatePadButton(button, true);
    if (frame == at + 5) simulatePadButton(button, false);
}
} // namespace

TEST_F(PadMenus, ThePadsDpadAndBottomButtonChooseInTheTitleMenu) {
    simulatePad();
    ScreenDriver driver([](int frame) {
        padTap(PadButton::DpadDown, frame, 2);
        padTap(PadButton::DpadDown, frame, 12);
        padTap(PadButton::B, frame, 22); // back does nothing on the title
        padTap(PadButton::A, frame, 32);
    });
    EXPECT_EQ(titleMenu(), titlePlayback);
}

TEST_F(PadMenus, TheControlsScreenBindsKeysAndButtonsAndSavesThem) {
    simulatePad();
    ScreenDriver driver([](int frame) {
        // Down to "Right", confirm with the pad, then D on the keyboard.
        padTap(PadButton::DpadDown, frame, 2);
        padTap(PadButton::A, frame, 30);
        tap(Key::D, frame, 50);
        // Confirm again, and Y on the pad.
        padTap(PadButton::A, frame, 70);
        padTap(PadButton::Y, frame, 90);
        // Back to "Left": confirm, then ESC cancels the wait.
        padTap(PadButton::DpadUp, frame, 110);
        tap(Key::Return, frame, 130);
        tap(Key::Escape, frame, 150);
        // Back bound to Q: ESC still leaves the screen.
        padTap(PadButton::DpadDown, frame, 170);
        padTap(PadButton::DpadDown, frame, 180);
        padTap(PadButton::DpadDown, frame, 190);
        padTap(PadButton::DpadDown, frame, 200);
        padTap(PadButton::DpadDown, frame, 210);
        tap(Key::Return, frame, 230);
        tap(Key::Q, frame, 250);
        tap(Key::Escape, frame, 270);
    });
    controlsScreen();
    EXPECT_LT(driver.frames(), 300);
    EXPECT_EQ(bindings[Action::Right].key, Key::D);
    EXPECT_EQ(bindings[Action::Right].button, PadButton::Y);
    EXPECT_EQ(bindings[Action::Left].key, Key::Left);
    EXPECT_EQ(bindings[Action::Back].key, Key::Q);
    Bindings chosen = bindings;
    bindings = Bindings::defaults();
    loadControls();
    EXPECT_TRUE(bindings == chosen);

    // "Reset to defaults", the last row, brings the design's keys back.
    releaseSimulatedKeys();
    ScreenDriver reset([](int frame) {
        tap(Key::Up, frame, 2); // wraps to the last row
        tap(Key::Return, frame, 20);
        tap(Key::Escape, frame, 40);
    });
    controlsScreen();
    EXPECT_TRUE(bindings == Bindings::defaults());
}
