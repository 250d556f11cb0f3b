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

TEST(TextUtils, ComparesIgnoringCaseOnly) {
    EXPECT_TRUE(equalsIgnoreCase("default.stg", "DEFAULT.STG"));
    EXPECT_TRUE(equalsIgnoreCase("", ""));
    EXPECT_FALSE(equalsIgnoreCase("DEFAULT.STG", "DEFAULT.ST"));
    char text[] = "tum1-Ok\xe9";
    toUpperInPlace(text);
    EXPECT_STREQ(text, "TUM1-OK\xe9");
}

TEST(TextUtils, BoxesOverlapIncludingTouchingEdges) {
    EXPECT_TRUE(boxesOverlap(0, 0, 10, 10, 10, 0, 10, 10));
    EXPECT_FALSE(boxesOverlap(0, 0, 10, 10, 11, 0, 10, 10));
    EXPECT_TRUE(boxesOverlap(0, 0, 10, 10, 2, 2, 3, 3)); // inside
    EXPECT_TRUE(boxesOverlap(2, 2, 3, 3, 0, 0, 10, 10)); // around
    EXPECT_FALSE(boxesOverlap(0, 0, 10, 10, 0, 11, 10, 10));
    EXPECT_TRUE(boxesOverlap(5, 5, 4, 4, 0, 0, 5, 5)); // corner touch
}

TEST(TextUtils, RandomBetweenStaysWithinBothEnds) {
    bool sawLow = false, sawHigh = false;
    for (int i = 0; i < 2000; ++i) {
        int v = randomBetween(-5, 5);
        ASSERT_GE(v, -5);
        ASSERT_LE(v, 5);
        sawLow |= v == -5;
        sawHigh |= v == 5;
    }
    EXPECT_TRUE(sawLow && sawHigh);
    EXPECT_EQ(randomBetween(3, 3), 3);
}
