#include "text/text_pool.h"
#include "text/text_utils.h"

#include <gtest/gtest.h>
#include <string>

TEST(TextPool, ComposesTexts) {
    EXPECT_STREQ(joinText("Loading Map: ", "LEVEL1.MAP"), "Loading Map: LEVEL1.MAP");
    EXPECT_STREQ(joinText("a", "b", "c", "d"), "abcd");
    EXPECT_STREQ(numberText(-12), "-12");
    EXPECT_STREQ(textWithNumber("Deleting TILEOBJECT ", 2), "Deleting TILEOBJECT 2");
    EXPECT_STREQ(textNumberText("Game started: ", 5, " times"), "Game started: 5 times");
    EXPECT_STREQ(chooseText(false, "On", "Off"), "Off");
}

TEST(TextPool, SixteenthResultReusesTheFirstBuffer) {
    const char* first = numberText(1);
    for (int i = 0; i < 14; ++i)
        numberText(100 + i);
    EXPECT_STREQ(first, "1"); // the fifteenth result still leaves it alone
    const char* sixteenth = numberText(16);
    EXPECT_EQ(first, sixteenth);
    EXPECT_STREQ(first, "16");
}

TEST(TextPool, LongResultsAreCutAt99Characters) {
    std::string longText(150, 'z');
    const char* result = joinText(longText.c_str(), "tail");
    EXPECT_EQ(std::string(result), std::string(99, 'z'));
}
