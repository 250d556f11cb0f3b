// A run as the player meets it: the exit button and its prompt, the pause and
// its cooldown, the record button, clearing stages through a set, game over,
// and what a played stage leaves in the log, the statistics and the unlock data.
#include "game/stage_fixture.h"

#include "platform/display.h"
#include "platform/log.h"
#include "progress/stage_set_format.h"
#include "text/data_file.h"

namespace {
// Keys held for a number of frames of whatever screen runs, then released.
struct KeyScript {
    struct Press {
        Key key;
        int from, to;
    };
    std::vector<Press> presses;
    int frame = 0;
    void apply() {
        for (const Press& p : presses)
            if (frame >= p.from && frame < p.to)
                simulateKey(p.key, true);
            else if (frame == p.to)
                simulateKey(p.key, false);
        ++frame;
    }
};

} // namespace

class RunFlow : public StageTest {
protected:
    // Runs a sub-screen (prompt, pause) with keys pressed frame by frame.
    void drivenByFrames(KeyScript& script) {
        setFrameHook([&script]() {
            script.apply();
            gameTicks += 1;
            // A screen that waits for ever fails the test instead of hanging it.
            if (script.frame > 1000) requestQuit();
        });
    }
};

TEST_F(RunFlow, TheExitPromptAsksInANormalGameAndTrainingLeavesAtOnce) {
    start(corridor(), false);
    skipIntro();
    tick({Key::Return}); // locks the camera
    tick();
    ASSERT_TRUE(currentMap.cameraLocked);
    // "No!" is highlighted first: ENTER answers it, play goes on unlocked.
    // ESC is let go first: the list waits for every input to be released.
    KeyScript no{{{Key::Escape, -1, 0}, {Key::Return, 20, 26}}};
    drivenByFrames(no);
    EXPECT_EQ(tick({Key::Escape}), TickOutcome::Continue);
    EXPECT_FALSE(currentMap.cameraLocked);
    EXPECT_FALSE(quitFlag);
    EXPECT_FALSE(quitRequested());
    tick();
    // "Yeah!" ends the run at once.
    KeyScript yeah{{{Key::Escape, -1, 0}, {Key::Down, 20, 26}, {Key::Return, 40, 46}}};
    drivenByFrames(yeah);
    EXPECT_EQ(tick({Key::Escape}), TickOutcome::EndRun);
    EXPECT_TRUE(quitFlag);

    // Training: ESC ends the run at the end of the tick, without a prompt.
    start(corridor(), true);
    tick();
    EXPECT_EQ(tick({Key::Escape}), TickOutcome::EndRun);
}

TEST_F(RunFlow, SpacePausesAtMostOnceASecondAndNotInDemos) {
    start(corridor(12), true);
    // Inside the pause, SPACE is let go and pressed again, which leaves it.
    bool spaceDown = true;
    setFrameHook([&spaceDown]() {
        spaceDown = !spaceDown;
        simulateKey(Key::Space, spaceDown);
        gameTicks += 1;
    });
    int pauses = 0;
    for (int i = 0; i < 150; ++i) {
        int32_t before = run.loop.pauseCooldown;
        spaceDown = true;
        tick({Key::Space});
        if (before == 0 && run.loop.pauseCooldown == 59) ++pauses;
    }
    // SPACE held for 150 ticks pauses at ticks 0, 60 and 120.
    EXPECT_EQ(pauses, 3);

    start(corridor(12), true, DemoMode::Playback);
    ticksOf(30, {Key::Space});
    EXPECT_EQ(run.loop.pauseCooldown, 0);
}

TEST_F(RunFlow, TheLastStageOfTheDefaultSetEndsTheGameEarningTheExtrasOnlyTheFirstTime) {
    // Two groups of one stage, each a corridor with a cup before its goal.
    StageText stage = corridor(9);
    stage.rows[14][5] = 'c';
    writeFileBytes("DATA/T1.MAP", stage.spec().bytes().data());
    writeFileBytes("DATA/T2.MAP", stage.spec().bytes().data());
    auto setBytes = [](const char* title) {
        DataWriter out;
        writeStageSetFile(out, {title, "Ann", {{"First", {"T1.MAP"}}, {"Second", {"T2.MAP"}}}});
        return out.bytes();
    };
    writeFileBytes("DATA/DEFAULT.STG", setBytes("Main"));
    const std::vector<uint8_t> extra = setBytes("Extra");
    writeFileBytes("DATA/tumblodata.dat", extra);
    static int outros = 0;
    outros = 0;
    setOutroScreen([] { ++outros; });
    auto playGame = [this]() {
        testing::internal::CaptureStderr();
        ASSERT_TRUE(loadStageSet("DEFAULT.STG"));
        testing::internal::GetCapturedStderr();
        playMode = {false, DemoMode::None, true};
        playRecord.stageIndex = 0;
        copyText(currentMapFile, stageSet.stageFiles[0], mapFileCapacity);
        ASSERT_TRUE(startStage());
        run.begin();
        // The sub-screens run on the clock; the announcement waits for ENTER.
        int frames = 0;
        setFrameHook([frames]() mutable {
            simulateKey(Key::Return, ++frames % 10 < 5);
            gameTicks += 1;
            if (frames > 100000) requestQuit();
        });
        TickOutcome outcome = TickOutcome::Continue;
        int stagesSeen = 1;
        for (int i = 0; i < 2000 && outcome == TickOutcome::Continue; ++i) {
            int before = playRecord.stageIndex;
            outcome = tick({Key::Right});
            if (outcome == TickOutcome::Continue && playRecord.stageIndex != before) ++stagesSeen;
        }
        // The run ends in the tick that clears the last stage.
        EXPECT_EQ(outcome, TickOutcome::EndRun);
        EXPECT_EQ(stagesSeen, 2);
        EXPECT_EQ(playRecord.stageIndex, 2);
        EXPECT_EQ(playRecord.cups, 2);
        EXPECT_FALSE(quitRequested());
    };

    playGame();
    EXPECT_EQ(statistics.gamesCleared, 1);
    EXPECT_EQ(statistics.extraStagesUnlocked, 1);
    EXPECT_EQ(readFileBytes("DATA/extra.stg"), extra);
    EXPECT_EQ(outros, 1);
    EXPECT_EQ(unlockData.groupUnlocked[1], 1);
    EXPECT_EQ(unlockData.clearedWithCup[1], 1);

    // A second clear is counted, but earns nothing again.
    std::remove("DATA/extra.stg");
    playGame();
    EXPECT_EQ(statistics.gamesCleared, 2);
    EXPECT_FALSE(fileExists("DATA/extra.stg"));
    EXPECT_EQ(outros, 2);
    setOutroScreen(nullptr);
}

TEST_F(RunFlow, LosingTheWindowsFocusPausesPlayButNeverAPlayback) {
    simulateFocusLoss(); // in a menu: no reason to pause the next run
    start(corridor(12), true);
    tick();
    EXPECT_EQ(run.loop.pauseCooldown, 0);
    KeyScript press{{{Key::Return, 5, 10}}};
    drivenByFrames(press);
    simulateFocusLoss();
    tick();
    EXPECT_EQ(run.loop.pauseCooldown, 59);
    EXPECT_EQ(press.frame, 6); // the pause waited for the press

    start(corridor(12), true, DemoMode::Playback);
    simulateFocusLoss();
    ticksOf(30);
    EXPECT_EQ(run.loop.pauseCooldown, 0);
}

TEST_F(RunFlow, LosingTheLastLifeShowsGameOverThenEndsTheRun) {
    StageText s = corridor();
    s.rows[14][4] = 'X';
    start(s, false);
    playRecord.lives = 1;
    for (int i = 0; i < 100 && playState.state != Dying; ++i)
        tick({Key::Right});
    ASSERT_EQ(playState.state, Dying);
    ticksOf(99);
    ASSERT_EQ(playState.state, GameOver);
    EXPECT_EQ(playRecord.lives, 0);
    EXPECT_EQ(ticksOf(199), TickOutcome::Continue);
    EXPECT_EQ(tick(), TickOutcome::EndRun);
}

TEST_F(RunFlow, TheRecordButtonAsksForARecordingOnlyInTrainingAndAfterItsCooldown) {
    start(corridor(12), true);
    EXPECT_EQ(tick({Key::F2}), TickOutcome::RecordRequested);
    // As the stage select does it: a recording, 30 ticks before F2 counts again.
    start(corridor(12), true, DemoMode::Recording);
    recordCooldown = 30;
    EXPECT_EQ(ticksOf(30, {Key::F2}), TickOutcome::Continue);
    EXPECT_EQ(tick({Key::F2}), TickOutcome::RecordRequested);
    // Neither in a normal game nor in playback.
    start(corridor(12), false);
    EXPECT_EQ(ticksOf(5, {Key::F2}), TickOutcome::Continue);
    start(corridor(12), true, DemoMode::Playback);
    EXPECT_EQ(ticksOf(5, {Key::F2}), TickOutcome::Continue);
}

TEST_F(RunFlow, TheButtonThatLeavesThePauseWaitsForItsReleaseBeforeActing) {
    for (Key key : {Key::Escape, Key::F2}) {
        SCOPED_TRACE(keyName(key));
        start(corridor(12), true);
        // SPACE is let go inside the pause, then the key is pressed and held.
        KeyScript leave{{{Key::Space, -1, 0}, {key, 5, 1000}}};
        drivenByFrames(leave);
        EXPECT_EQ(tick({Key::Space}), TickOutcome::Continue);
        ASSERT_EQ(run.loop.pauseCooldown, 59);
        EXPECT_EQ(ticksOf(5, {key}), TickOutcome::Continue); // still the same press
        tick();
        EXPECT_EQ(tick({key}), key == Key::Escape ? TickOutcome::EndRun : TickOutcome::RecordRequested);
    }
}
