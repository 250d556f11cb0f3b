// The ghost of a training best: kept when the run sets the stage's best, then
// drawn in the next run in step with it, and never a difference to play.
#include "game/ghost.h"
#include "game/headless_playback.h"
#include "platform/display.h"
#include "progress/ghosts.h"
#include "progress/map_hash.h"
#include "progress/records.h"
#include "game/stage_records.h"
#include "stage_fixture.h"
#include "support/failing_disk.h"

#include <array>

namespace {
uint64_t pictureChecksum(const Picture& picture) {
    uint64_t sum = 1469598103934665603ULL;
    for (int y = 0; y < picture.height(); ++y) {
        const unsigned char* row = pictureRow(picture, y);
        for (size_t i = 0; i < pictureRowBytes(picture); ++i)
            sum = (sum ^ row[i]) * 1099511628211ULL;
    }
    return sum;
}
} // namespace

TEST_F(StageTest, AGhostIsDrawnInStepWithTheNextRunAndLeavesItsTraceAsItWas) {
    copyText(stageSet.fileName, "T.STG", textCapacity);
    // A ball to be seen: the ghost shows what the ball showed.
    writeSolidBitmap("BITMAP/GENERAL/tumblo.bmp", 64, 64, colourOf(200, 200, 255));
    loadPlayGraphics();
    const StageText stage = corridor(15);
    start(stage);
    std::vector<std::array<float, 2>> best;
    for (TickOutcome o = TickOutcome::Continue; o == TickOutcome::Continue;) {
        o = tick({Key::Right});
        best.push_back({ball.x, ball.y});
    }
    ASSERT_EQ(clearsThisRun, 1);
    const std::string hash = mapFileHash("T.MAP");
    EXPECT_EQ(loadRecords("T.STG").of("T.MAP").best.tick, (int32_t)best.size() - 1);
    EXPECT_TRUE(fileExists("records/ghosts/T-" + hash + ".ghost"));

    // The next run sets off later; a frame is drawn after every tick.
    const int lateBy = 20;
    const int shownAt = 10;
    uint64_t frameAt[2] = {};
    auto playLate = [&](bool withGhost) {
        start(stage);
        if (withGhost) {
            EXPECT_TRUE(raceGhost("T.MAP"));
        }
        std::vector<std::string> trace;
        for (int n = 0;; ++n) {
            TickOutcome o = n < lateBy ? tick() : tick({Key::Right});
            trace.push_back(traceTickLine(n));
            const GhostSample* sample = ghostSampleNow();
            if (withGhost && n < (int)best.size()) {
                EXPECT_TRUE(sample && sample->x == best[(size_t)n][0] &&
                            sample->y == best[(size_t)n][1])
                    << "tick " << n;
            } else {
                EXPECT_EQ(sample, nullptr) << "tick " << n; // none, or its run is over
            }
            if (o != TickOutcome::Continue) break;
            run.drawFrame();
            if (n == shownAt) frameAt[withGhost] = pictureChecksum(backBuffer);
        }
        stopGhost();
        return trace;
    };
    std::vector<std::string> withGhost = playLate(true);
    EXPECT_EQ(withGhost, playLate(false));
    EXPECT_NE(frameAt[0], frameAt[1]) << "the ghost was not drawn";
    // A slower run keeps the best, and the ghost with it.
    EXPECT_EQ(loadRecords("T.STG").of("T.MAP").best.tick, (int32_t)best.size() - 1);
}

TEST_F(StageTest, AClearWhoseBestTimesTheDiskRefusesSetsNoRecordAndKeepsNoGhost) {
    copyText(stageSet.fileName, "T.STG", textCapacity);
    start(corridor(15));
    failFileStep(1); // the run's first file step is the records' save
    for (TickOutcome o = TickOutcome::Continue; o == TickOutcome::Continue;)
        o = tick({Key::Right});
    failFileStep(0);
    ASSERT_EQ(clearsThisRun, 1);
    EXPECT_FALSE(fileExists("records/T.txt"));
    EXPECT_FALSE(fileExists("records/ghosts/T-" + mapFileHash("T.MAP") + ".ghost"));
    // The same clear booked again: refused, then on a working disk kept.
    failFileStep(1);
    EXPECT_FALSE(bookStageClear());
    failFileStep(0);
    EXPECT_TRUE(bookStageClear());
    EXPECT_TRUE(fileExists("records/ghosts/T-" + mapFileHash("T.MAP") + ".ghost"));
}
