// The start-up logo runs its course, half a second still, 26 frames 6 ticks
// apart and the fade, even when its pictures are missing.
#include "screens/extras_fixture.h"
#include "screens/logo_animation.h"

TEST_F(ExtrasTest, LogoWithoutItsPicturesStillRunsItsCourse) {
    FrameDriver driver([](int) {});
    titleLogoAnimation();
    EXPECT_EQ(driver.frames(), 194 + 21);
}
