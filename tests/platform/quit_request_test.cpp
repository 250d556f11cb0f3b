// A quit request (a signal) ends every wait for the player, and the signals
// themselves only set the flag.
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/headless.h"
#include "platform/input.h"
#include "platform/quit_request.h"
#include "support/test_env.h"
#include "text/message_screen.h"

#include <allegro.h>
#include <chrono>
#include <csignal>
#include <future>
#include <gtest/gtest.h>
#include <thread>

namespace {
class QuitRequestTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureHeadless();
        messagesToStderr = false;
        clearQuitRequest();
        ensureDarkOverlay();
    }
    void TearDown() override {
        clearQuitRequest();
        releaseAllKeys();
        messagesToStderr = true;
    }
};

// A wait that ignores the request is ended by presses from frame 100 on, so
// that it fails the test instead of hanging it.
void pressFromFrame100(int frame) {
    if (frame >= 100) setKey(KEY_ENTER, frame % 2 == 0);
}

FrameDriver::Script quitAtFrame3() {
    return [](int frame) {
        if (frame == 3) requestQuit();
        pressFromFrame100(frame);
    };
}
} // namespace

TEST_F(QuitRequestTest, EveryWaitForThePlayerEndsOnTheFrameAfterTheRequest) {
    {
        FrameDriver driver(quitAtFrame3());
        waitForButtonPress();
        EXPECT_EQ(driver.frames(), 4);
    }
    releaseAllKeys();
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

TEST_F(QuitRequestTest, SignalsSetTheFlagInsteadOfEndingTheProcess) {
    for (int number : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction before {};
        sigaction(number, nullptr, &before);
        signal(number, SIG_DFL);
        clearQuitRequest();
        installQuitSignals();
        EXPECT_FALSE(quitRequested());
        raise(number); // ends the test run if the handler was not installed
        EXPECT_TRUE(quitRequested()) << "signal " << number;
        // The next one of its kind ends the process again.
        struct sigaction after {};
        sigaction(number, nullptr, &after);
        EXPECT_EQ(after.sa_handler, SIG_DFL) << "signal " << number;
        sigaction(number, &before, nullptr);
    }
}

TEST_F(QuitRequestTest, AnIgnoredSignalStaysIgnored) {
    struct sigaction before {};
    sigaction(SIGHUP, nullptr, &before);
    signal(SIGHUP, SIG_IGN); // as under nohup
    installQuitSignals();
    raise(SIGHUP);
    EXPECT_FALSE(quitRequested());
    sigaction(SIGHUP, &before, nullptr);
}

TEST_F(QuitRequestTest, TheClockWaitEndsOnRequestThoughNoTickComes) {
    // A running clock without its timer: no tick will ever come.
    startGameTimer(60);
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
