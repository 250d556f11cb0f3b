#include "progress_fixture.h"

#include "platform/display.h"

#include <cstring>

using SettingsTest = ProgressTest;

TEST_F(SettingsTest, WithoutAFileTheDefaultsAreWrittenOnExit) {
    settings.playSound = settings.playMusic = false; // loading switches both back on
    loadSettings();
    Settings defaults;
    EXPECT_EQ(std::memcmp(&settings, &defaults, sizeof defaults), 0);
    ASSERT_TRUE(saveSettings());
    EXPECT_EQ(readFileBytes("SETTINGS.DAT"), ints({1, 1, 0, 0, 1, 1}));
    EXPECT_EQ(logLines(), (std::vector<std::string>{"Loading SETTINGS.DAT",
                                                    "Can't find SETTINGS.DAT. Using default!",
                                                    "Saving SETTINGS.DAT"}));
}

TEST_F(SettingsTest, ReadsWhatWasSavedAndAppliesTheWindowMode) {
    settings = {false, true, true, true, false, false};
    ASSERT_TRUE(saveSettings());
    Settings saved = settings;
    settings = Settings();
    loadSettings();
    EXPECT_EQ(std::memcmp(&settings, &saved, sizeof saved), 0);
    EXPECT_FALSE(displayIsWindowed());

    // 2 and -1 are not 1; the fourth flag is cut after two bytes; the rest is missing.
    writeFileBytes("SETTINGS.DAT", Bytes().i32(2).i32(-1).i32(0).byte(1).byte(0).data());
    loadSettings();
    Settings allOff = {false, false, false, false, false, false};
    EXPECT_EQ(std::memcmp(&settings, &allOff, sizeof allOff), 0);
    EXPECT_TRUE(displayIsWindowed());
}
