#include "platform/log.h"
#include "support/test_env.h"

#include <gtest/gtest.h>

TEST(Log, WritesNothingUntilNamedAndEnabled) {
    TempGameDir dir;
    Log log;
    log.setEnabled(true);
    log.write("lost");
    log.setEnabled(false);
    log.setFile("tumblo.log");
    log.write("lost too");
    EXPECT_FALSE(fileExists("tumblo.log"));
    log.setEnabled(true);
    log.write("kept");
    EXPECT_EQ(readFileText("tumblo.log"), "kept\n");
}

TEST(Log, IndentsByOneSpacePerLevelClampedToNineAndAppendsAcrossRuns) {
    TempGameDir dir;
    for (const char* run : {"zero", "again"}) {
        Log log;
        log.setFile("tumblo.log");
        log.setEnabled(true);
        log.write(run);
        log.indentMore();
        log.write("one");
        log.setIndent(12);
        log.write("nine");
        log.setIndent(-3);
        log.indentLess();
        log.write("back");
    }
    EXPECT_EQ(readFileText("tumblo.log"),
              "zero\n one\n         nine\nback\nagain\n one\n         nine\nback\n");
}
