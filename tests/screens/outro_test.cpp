// The outro: the timing of its phases from the scene's own steps, and the
// screen driven with pictures of one colour each, ended by ESC or by itself.
#include "screens/extras_fixture.h"
#include "screens/outro.h"
#include "screens/outro_scene.h"

#include <vector>

namespace {
struct PhaseChange {
    OutroPhase phase;
    int tick;
};

// Runs a scene to its end (or 10000 ticks) and lists each change of phase
// with the tick (from 1) that made it.
std::vector<PhaseChange> runScene(OutroScene& scene, int& ticks) {
    std::vector<PhaseChange> changes;
    OutroPhase last = scene.phase;
    for (ticks = 1; ticks <= 10000; ++ticks) {
        bool done = scene.step(false);
        if (scene.phase != last) changes.push_back({scene.phase, ticks});
        last = scene.phase;
        if (done) break;
    }
    return changes;
}
} // namespace

TEST(OutroScene, SunCliffCreditsFadeAndClosingLineFollowAtTheirPace) {
    OutroScene scene;
    scene.start(98, 100);
    EXPECT_EQ(scene.sunX, -98.0f);
    int ticks = 0;
    std::vector<PhaseChange> changes = runScene(scene, ticks);
    std::vector<OutroPhase> order;
    for (const PhaseChange& c : changes)
        order.push_back(c.phase);
    using P = OutroPhase;
    ASSERT_EQ(order,
              (std::vector<P>{P::SunRise, P::CliffIn, P::Idle, P::Fading, P::Idle, P::ThankYou}));
    // Four seconds still; the sun needs 88 pixels at 0.15 a tick to be risen,
    // the cliff 100 at 0.3; the credits 120 pixels at 0.15 to start the fade,
    // which takes 1275 ticks; then 344 pixels more and six seconds of thanks.
    EXPECT_EQ(changes[0].tick, 240);
    EXPECT_NEAR(changes[1].tick, 240 + 587, 2);
    EXPECT_NEAR(changes[2].tick - changes[1].tick, 334, 2);
    EXPECT_NEAR(changes[3].tick - changes[1].tick, 800, 2);
    EXPECT_NEAR(changes[4].tick - changes[3].tick, 1276, 2);
    EXPECT_NEAR(changes[5].tick - changes[3].tick, 344 / 0.15, 3);
    EXPECT_EQ(ticks - changes[5].tick, 360);
    EXPECT_EQ(scene.cliffX, 220.0f); // exactly its width from the right edge
    EXPECT_EQ(scene.fade, 255.0f);
    EXPECT_TRUE(scene.closingLine);
    EXPECT_NEAR(scene.sunX, scene.waveX, 0.01f);
    EXPECT_NEAR(ticks / 60.0, 71.3, 0.5); // about the length of its tune
}

TEST(OutroScene, TheFadeStopsAWideCliffWhereItIsAndEscEndsAnyMoment) {
    OutroScene scene;
    scene.start(98, 300); // needs 1000 ticks to slide in, more than the credits allow
    int ticks = 0;
    std::vector<PhaseChange> changes = runScene(scene, ticks);
    ASSERT_GE(changes.size(), 3u);
    EXPECT_EQ(changes[2].phase, OutroPhase::Fading);
    EXPECT_GT(scene.cliffX, 20.0f);
    EXPECT_LT(scene.cliffX, 100.0f);

    OutroScene early;
    early.start(98, 100);
    EXPECT_FALSE(early.step(false));
    EXPECT_TRUE(early.step(true));
}

namespace {
class OutroScreenTest : public ExtrasTest {
protected:
    void SetUp() override {
        ExtrasTest::SetUp();
        writeSolidBitmap("BITMAP/GENERAL/SKY.BMP", 320, 176, sky);
        writeSolidBitmap("BITMAP/GENERAL/WATER.BMP", 320, 64, water);
        writeSolidBitmap("BITMAP/GENERAL/SUN.BMP", 98, 64, sun);
        writeSolidBitmap("BITMAP/GENERAL/CLIFF.BMP", 100, 150, cliff);
        // Two frames of reflection, 30 ticks each.
        Picture waves = Picture::create(196, 65), second = Picture::create(98, 65);
        clearPicture(waves, waveA);
        clearPicture(second, waveB);
        copyArea(second, waves, 0, 0, 98, 0, 98, 65);
        savePicture("BITMAP/GENERAL/SUNSETWAVE.BMP", waves);
        writeFileBytes("DATA/SUNSET.ANM",
                       Bytes().i32(1).i32(2).i32(0).i32(1).i32(30).i32(30).i32(0).i32(0).data());
    }
    const int sky = colourOf(96, 32, 128);
    const int water = colourOf(24, 40, 120);
    const int sun = colourOf(248, 240, 48);
    const int cliff = colourOf(32, 24, 24);
    const int waveA = colourOf(240, 120, 40);
    const int waveB = colourOf(216, 88, 96);
};
} // namespace

TEST_F(OutroScreenTest, EscEndsItAtOnceButAJoystickButtonDoesNot) {
    simulateJoystick(4);
    FrameDriver driver([&](int frame) {
        simulateJoystickButton(1, frame >= 10 && frame < 40);
        if (frame == 100) simulateKey(Key::Escape, true);
        if (frame > 400) requestQuit();
    });
    outro();
    // Step 101 saw ESC; frames 101 to 121 are the fade's.
    EXPECT_EQ(driver.frames(), 122);
    int red, green, blue;
    colourParts(pixelAt(backBuffer, 10, 10), red, green, blue);
    EXPECT_LT(blue, 16); // faded towards black
}
