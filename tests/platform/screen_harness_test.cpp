// The message screen, the button wait and the fade, driven through the headless
// harness as a player would meet them; a quit request (a signal) ends every
// such wait, and the signals themselves only set the flag.
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/headless.h"
#include "platform/input.h"
#include "platform/quit_request.h"
#include "support/test_env.h"
#include "ui/message_screen.h"

#include <chrono>
#include <csignal>
#include <future>
#include <gtest/gtest.h>
#include <thread>

namespace {
class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureHeadless();
        messagesToStderr = false;
        clearQuitRequest();
        ensureDarkOverlay();
    }
    void TearDown() override {
        clearQuitRequest();
        releaseSimulatedKeys();
        messagesToStderr = true;
    }
};

// A wait that ignores the request is ended by presses from frame 100 on, so
// that it fails the test instead of hanging it.
void pressFromFrame100(int frame) {
    if (frame >= 100) simulateKey(Key::Return, frame % 2 == 0);
}

FrameDriver::Script quitAtFrame3() {
    return [](int frame) {
        if (frame == 3) requestQuit();
        pressFromFrame100(frame);
    };
}
} // namespace

TEST_F(ScreenTest, ButtonHeldOnEntryMustBeReleasedAndPressedAgain) {
    simulateKey(Key::Return, true);
    FrameDriver driver([](int frame) {
        if (frame == 5) simulateKey(Key::Return, false);
        if (frame == 9) simulateKey(Key::Escape, true);
    });
    waitForButtonPress();
    // Frame 9 set ESC; the step after it saw the press.
    EXPECT_EQ(driver.frames(), 10);
}

TEST_F(ScreenTest, ArrowKeysDoNotDismissButJoystickButtonsDo) {
    simulateJoystick(6);
    FrameDriver driver([](int frame) {
        if (frame == 1) simulateKey(Key::Left, true);
        if (frame == 4) simulateJoystickButton(5, true);
    });
    showMessage("Error!", "Unable to load FONT: DATA\\FONT.FNT");
    EXPECT_EQ(driver.frames(), 5);
}

TEST_F(ScreenTest, MessageDrawsOnThePageAndLeavesTheBackBufferAlone) {
    clearPicture(backBuffer, colourOf(0, 255, 0));
    int greenAtCentre = pixelAt(backBuffer, 160, 120);
    FrameDriver driver([&](int frame) {
        if (frame == 2) simulateKey(Key::F2, true);
    });
    const Picture* before = drawPage;
    showMessage("LOAD MAP ERROR", "Unable to load MAP FILE: X.MAP");
    EXPECT_EQ(pixelAt(backBuffer, 160, 120), greenAtCentre);
    // The page the message was drawn on is dark blue with white text on it.
    const Picture& page = *before;
    EXPECT_EQ(pixelAt(page, 2, 120), colourOf(0, 0, 128));
    bool white = false;
    for (int x = 0; x < 320 && !white; ++x)
        for (int y = 40; y < 60 && !white; ++y)
            white = pixelAt(page, x, y) == colourOf(255, 255, 255);
    EXPECT_TRUE(white);
}

TEST_F(ScreenTest, FadeOutDarkensInStepsOf12AndEndsOnThe22ndTick) {
    clearPicture(backBuffer, colourOf(255, 255, 255));
    std::vector<int> reds;
    FrameDriver driver([&](int) {
        int red, green, blue;
        colourParts(pixelAt(backBuffer, 100, 100), red, green, blue);
        reds.push_back(red);
    });
    fadeOut();
    // Frame 0 shows alpha 0, then one frame per tick up to alpha 252.
    ASSERT_EQ(reds.size(), 22u);
    EXPECT_GT(reds[0], 240);
    for (size_t i = 1; i < reds.size(); ++i)
        EXPECT_LE(reds[i], reds[i - 1]);
    EXPECT_LT(reds.back(), 16);
    EXPECT_EQ(gameTicks.load(), 1); // the tick that ended the fade is left pending
}

TEST_F(ScreenTest, FadeWithManyPendingTicksJumpsAhead) {
    FrameDriver driver([](int) {}, 10);
    fadeOut();
    EXPECT_EQ(driver.frames(), 3); // alpha 0, 120, 240, then past 255
}

TEST_F(ScreenTest, EveryWaitForThePlayerEndsOnTheFrameAfterTheRequest) {
    {
        FrameDriver driver(quitAtFrame3());
        waitForButtonPress();
        EXPECT_EQ(driver.frames(), 4);
    }
    releaseSimulatedKeys();
    clearQuitRequest();
    {
        FrameDriver driver(quitAtFrame3());
        showMessage("Error!", "Unable to load FONT: DATA\\FONT.FNT");
        EXPECT_EQ(driver.frames(), 4);
    }
    clearQuitRequest();
    {
        // A fade lasts 22 frames; a quit cuts it short.
        FrameDriver driver(quitAtFrame3());
        fadeOut();
        EXPECT_EQ(driver.frames(), 4);
    }
    // Once requested, the request stands: the next screens return at once.
    FrameDriver driver(pressFromFrame100);
    waitForButtonPress();
    showMessage("Error!", "Unable to load MAP FILE: X.MAP");
    fadeOut();
    EXPECT_EQ(driver.frames(), 0);
}

TEST_F(ScreenTest, AnIgnoredSignalStaysIgnored) {
    struct sigaction before {};
    sigaction(SIGHUP, nullptr, &before);
    signal(SIGHUP, SIG_IGN); // as under nohup
    installQuitSignals();
    raise(SIGHUP);
    EXPECT_FALSE(quitRequested());
    sigaction(SIGHUP, &before, nullptr);
}

TEST_F(ScreenTest, TheClockWaitEndsOnRequestThoughNoTickComes) {
    // A running clock without its timer: no tick will ever come.
    startGameTimer(ticksPerSecond);
    gameTicks = 0;
    headlessMode = false;
    auto waited = std::async(std::launch::async, [] { waitForTick(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    requestQuit();
    bool ended = waited.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    EXPECT_TRUE(ended);
    if (!ended) {
        gameTicks += 1; // lets the wait go, so that the test run can end
        gameTicks.notify_all();
    }
    waited.wait();
    headlessMode = true;
    gameTicks = 0;
    stopGameTimer();
}
