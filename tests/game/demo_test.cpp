// Demos: a recording saved through the name dialogue, read back by the
// browser's reader and played back to the same end at every speed.
#include "game/headless_playback.h"
#include "game/stage_fixture.h"

#include "support/failing_disk.h"
#include "text/data_file.h"

#include <filesystem>

namespace {
// A corridor with a cup on the way to the goal.
StageText cupCorridor() {
    StageText s = corridor(9);
    s.rows[14][5] = 'c';
    return s;
}

// After 10 frames of nothing, presses the keys one after another, each for 5
// frames with 5 between.
std::function<void()> typing(std::vector<Key> keys, int& frame) {
    return [keys, &frame]() {
        releaseSimulatedKeys();
        int k = frame / 10 - 1;
        if (k >= 0 && k < (int)keys.size() && frame % 10 < 5) simulateKey(keys[(size_t)k], true);
        ++frame;
        gameTicks += 1;
        if (frame > 5000) requestQuit();
    };
}

DemoFile readDemo(const char* path) {
    DemoFile demo;
    DataReader in(path);
    EXPECT_TRUE(in.isOpen() && readDemoFile(in, demo)) << path;
    return demo;
}

PlaybackResult replay(const char* path, int rate) {
    DataReader in(path);
    PlaybackOptions options;
    options.rate = rate;
    options.ticksPerFrame = 7; // batches of ticks, as a slow machine would draw
    return playDemoHeadless(in, path, options);
}
} // namespace

using Demos = StageTest;

TEST_F(Demos, ARecordedRunIsSavedUnderItsTypedNameAndReplaysToTheSameEndAtEverySpeed) {
    // A demo played before: none of its steering may reach the new recording.
    std::fill(std::begin(demoSteering), std::end(demoSteering), (uint8_t)steerLeft);
    start(cupCorridor(), true, DemoMode::Recording);
    // Right to the goal, over the cup; then the name "AB_1" and ENTER.
    int frame = 0;
    bool cleared = false;
    auto type = typing({Key::A, Key::B, Key::Space, Key::Digit1, Key::Return}, frame);
    int afterClear = 0;
    setFrameHook([&]() {
        if (!cleared || ++afterClear < 300) { // the clear sequence, then its fade
            simulateKey(Key::Right, !cleared);
            gameTicks += 1;
            cleared = clearsThisRun > 0;
            return;
        }
        type();
    });
    EXPECT_EQ(runPlay(), runEnded);
    ASSERT_TRUE(fileExists("DEMOS/AB_1.TDM"));
    EXPECT_EQ(statistics.demosSaved, 1);

    DemoFile demo = readDemo("DEMOS\\AB_1.TDM");
    EXPECT_EQ(demo.header.mapFile, "T.MAP");
    EXPECT_EQ(demo.header.died, 0);
    EXPECT_EQ(demo.header.cups, 1);
    // Cleared in a few seconds with every treasure: "00:0S:HH (100%)".
    EXPECT_EQ(demo.header.clearTime.size(), std::string("00:02:35 (100%)").size());
    EXPECT_EQ(demo.header.clearTime.substr(8), " (100%)");
    EXPECT_EQ((int)demo.steering.size(), demoSteeringTicks);
    EXPECT_EQ(demo.steering[0], steerRight);
    EXPECT_EQ(std::count(demo.steering.begin(), demo.steering.end(), steerLeft), 0);
    DemoInfo info;
    ASSERT_TRUE(readDemoInfo("DEMOS\\AB_1.TDM", info));
    EXPECT_TRUE(info.cupTaken);
    EXPECT_EQ(info.died, 0);
    EXPECT_EQ(std::string(info.clearTime), demo.header.clearTime);

    std::vector<int32_t> ends;
    for (int rate : {15, 30, 60, 90, 0}) {
        PlaybackResult r = replay("DEMOS/AB_1.TDM", rate);
        EXPECT_EQ(r.end, PlaybackResult::Cleared) << rate;
        EXPECT_EQ(r.cups, 1);
        EXPECT_EQ(r.clearTime, demo.header.clearTime);
        ends.push_back(r.tick);
    }
    EXPECT_EQ(std::count(ends.begin(), ends.end(), ends.front()), 5) << ends.front();
    // The speed never outlives the run.
    EXPECT_EQ(gameTimerRate(), 60);
    EXPECT_EQ(statistics.livesLost, 0);
}

TEST_F(Demos, TheNameEntryTypesLettersDigitsAndSpacesAndCancelsWithEscape) {
    start(cupCorridor(), true, DemoMode::Recording);
    struct Case {
        std::vector<Key> keys;
        const char* file; // null: nothing written
    } cases[] = {
        {{Key::X, Key::Backspace, Key::Backspace, Key::Q, Key::Digit7, Key::Return},
         "DEMOS/Q7.TDM"},
        {{Key::Z, Key::Escape}, nullptr},
        {{Key::Return}, nullptr}, // an empty name saves nothing
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all("DEMOS");
        int frame = 0;
        setFrameHook(typing(c.keys, frame));
        saveDemoDialog(1);
        ASSERT_FALSE(quitRequested()) << "the dialogue never finished";
        if (c.file) {
            EXPECT_TRUE(fileExists(c.file)) << c.file;
            EXPECT_EQ(readDemo(c.file).header.died, 1);
        } else {
            EXPECT_FALSE(std::filesystem::exists("DEMOS")) << c.keys.size();
        }
    }
    // Two keys pressed together come one tick after the other; a name holds
    // 39 characters at most.
    std::filesystem::remove_all("DEMOS");
    int frame = 0;
    setFrameHook([&frame]() {
        releaseSimulatedKeys();
        if (frame < 3) simulateKey(Key::C, true), simulateKey(Key::D, true);
        for (int i = 0; i < 45; ++i)
            if (frame == 10 + 4 * i) simulateKey(Key::E, true);
        if (frame >= 400 && frame < 405) simulateKey(Key::Return, true);
        ++frame;
        gameTicks += 1;
    });
    saveDemoDialog(0);
    ASSERT_EQ(std::filesystem::exists("DEMOS") ? 1 : 0, 1);
    EXPECT_TRUE(fileExists("DEMOS/CD" + std::string(37, 'E') + ".TDM"));
    EXPECT_EQ(statistics.demosSaved, 2);
}

TEST_F(Demos, ADemoOnAFailingDiskKeepsTheOldFileSaysSoAndIsNotCounted) {
    start(cupCorridor(), true, DemoMode::Recording);
    writeFileBytes("DEMOS/AB.TDM", {1, 2, 3, 4});
    std::string messages;
    std::vector<FileStep> failed = failEachStepOf(
        [&] {
            int frame = 0;
            setFrameHook(typing({Key::A, Key::B, Key::Return}, frame));
            testing::internal::CaptureStderr();
            saveDemoDialog(1);
            messages = testing::internal::GetCapturedStderr();
        },
        [&](FileStep step) {
            EXPECT_EQ(messages, "Error!: Couldn't open AB\n") << step;
            EXPECT_EQ(readFileBytes("DEMOS/AB.TDM"), (std::vector<uint8_t>{1, 2, 3, 4})) << step;
            EXPECT_EQ(leftOverTemporaryFiles(), std::vector<std::string>{}) << step;
            EXPECT_EQ(statistics.demosSaved, 0) << step;
        });
    ASSERT_GE(failed.size(), 4u);
    EXPECT_EQ(failed.front(), FileStep::Open);
    EXPECT_EQ(failed[1], FileStep::Write);
    EXPECT_EQ(std::vector<FileStep>(failed.end() - 2, failed.end()),
              (std::vector<FileStep>{FileStep::Sync, FileStep::Rename}));
    EXPECT_EQ(messages, "");
    EXPECT_EQ(statistics.demosSaved, 1);
    EXPECT_EQ(readDemo("DEMOS\\AB.TDM").header.died, 1);
}

TEST_F(Demos, PlaybackTakesWhatTheFileHoldsAndSteersOnlyByOneAndTwo) {
    writeFileBytes("DATA/T.MAP", cupCorridor().spec().bytes().data());
    auto write = [](const char* path, DemoHeader header, std::vector<uint8_t> steering,
                    size_t cutTo = 0) {
        DataWriter out;
        writeDemoFile(out, header, steering.data(), steering.size());
        std::vector<uint8_t> bytes = out.bytes();
        if (cutTo) bytes.resize(cutTo);
        writeFileBytes(path, bytes);
    };
    DemoHeader header{7, "T.MAP", 0, "Corridor", "", 0}; // another format mark
    // Steering bytes other than 1 and 2 steer nothing: the ball never moves.
    write("odd.TDM", header, std::vector<uint8_t>(demoSteeringTicks, 3));
    PlaybackResult still = replay("odd.TDM", 0);
    EXPECT_EQ(still.end, PlaybackResult::TimedOut);
    // The 7200th tick (7199 from 0) takes the last second; the hundredth tick
    // of dying ends the run.
    EXPECT_EQ(still.tick, 120 * 60 - 1 + 99);
    // A file cut after 30 ticks of steering: the rest steers 0 in a fresh buffer.
    std::fill(std::begin(demoSteering), std::end(demoSteering), 0);
    write("cut.TDM", header, std::vector<uint8_t>(demoSteeringTicks, steerRight),
          4 + 4 + 5 + 4 + 4 + 8 + 4 + 0 + 4 + 30);
    PlaybackResult cut = replay("cut.TDM", 0);
    EXPECT_EQ(cut.end, PlaybackResult::TimedOut);
    // A demo of a map that does not exist: the loader's message, no run.
    header.mapFile = "GONE.MAP";
    write("gone.TDM", header, {});
    testing::internal::CaptureStderr();
    EXPECT_EQ(replay("gone.TDM", 0).end, PlaybackResult::NotStarted);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Unable to load MAP FILE: GONE.MAP"),
              std::string::npos);
}
