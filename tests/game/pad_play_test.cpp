// A pad through SDL's virtual joystick, as a player would use one: plugged in
// while a stage runs, steering with the d-pad or the stick, pulled out while a
// direction is held.
#include "stage_fixture.h"

#include "platform/pad.h"

namespace {
class PadPlay : public StageTest {
protected:
    void TearDown() override {
        removeSimulatedPad();
        updatePads();
        StageTest::TearDown();
    }
};
} // namespace

TEST_F(PadPlay, APadPluggedInMidRunSteersToTheGoalWithItsDpad) {
    start(corridor(12));
    skipIntro();
    ticksOf(20);
    float before = ball.x;
    EXPECT_EQ(ball.velocityX, 0.0f);
    simulatePad();
    simulatePadButton(PadButton::DpadRight, true);
    // The tick after the pad came is already steered.
    tick();
    EXPECT_GT(ball.velocityX, 0.0f);
    EXPECT_EQ(ticksOf(600), TickOutcome::EndRun);
    EXPECT_EQ(clearsThisRun, 1);
    EXPECT_GT(ball.x, before);
}

TEST_F(PadPlay, APadPulledOutWhileHeldStopsSteeringAndTheStickSteersToo) {
    start(flooredStage(60, 15, 2));
    skipIntro();
    simulatePad();
    simulatePadStick(-200, 0); // barely moved: no direction
    tick();
    EXPECT_EQ(ball.velocityX, 0.0f);
    simulatePadStick(32767, 0);
    ticksOf(30);
    EXPECT_GT(ball.velocityX, 1.0f);
    simulatePadStick(0, 0);
    simulatePadButton(PadButton::DpadRight, true);
    ticksOf(10);
    EXPECT_GT(ball.velocityX, 1.0f);
    removeSimulatedPad();
    ticksOf(60);
    EXPECT_EQ(ball.velocityX, 0.0f); // friction alone: nothing stays held
    float resting = ball.x;
    ticksOf(10);
    EXPECT_EQ(ball.x, resting);
}
