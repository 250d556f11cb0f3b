#include "progress_fixture.h"

#include "platform/display.h"

#include <cstring>

using SettingsTest = ProgressTest;

TEST_F(SettingsTest, LoadingOnlyReadsAndApplyingSetsTheWindowMode) {
    settings = {false, true, true, true, false, false};
    ASSERT_TRUE(saveSettings());
    Settings saved = settings;
    settings = Settings();
    loadSettings();
    EXPECT_EQ(std::memcmp(&settings, &saved, sizeof saved), 0);
    EXPECT_TRUE(displayIsWindowed());
    applySettings(settings.fullScreen);
    EXPECT_FALSE(displayIsWindowed());
    applySettings(); // a sound switch changed: the screen stays as it is
    EXPECT_FALSE(displayIsWindowed());

    // 2 and -1 are not 1; the fourth flag is cut after two bytes; the rest is missing.
    writeFileBytes("SETTINGS.DAT", Bytes().i32(2).i32(-1).i32(0).byte(1).byte(0).data());
    loadSettings();
    Settings allOff = {false, false, false, false, false, false};
    EXPECT_EQ(std::memcmp(&settings, &allOff, sizeof allOff), 0);
    applySettings(settings.fullScreen);
    EXPECT_TRUE(displayIsWindowed());
}
