#include "support/test_env.h"
#include "text/data_file.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <tuple>
#include <unistd.h>

TEST(DataFile, ReadsWhatWasWrittenLittleEndian) {
    TempGameDir dir;
    DataWriter out;
    ASSERT_TRUE(out.open("DATA\\values.bin"));
    writeInt32(out, -2);
    writeBool(out, true);
    writeBool(out, false);
    writeString(out, "Tropical");
    writeString(out, "");
    writeByte(out, 0xAB);
    ASSERT_TRUE(out.commit());

    std::vector<uint8_t> bytes = readFileBytes("DATA/values.bin");
    std::vector<uint8_t> expected =
        Bytes().i32(-2).i32(1).i32(0).str("Tropical").i32(0).byte(0xAB).data();
    EXPECT_EQ(bytes, expected);

    DataReader in("data\\VALUES.BIN");
    ASSERT_TRUE(in.isOpen());
    EXPECT_EQ(readInt32(in), -2);
    EXPECT_TRUE(readBool(in));
    EXPECT_FALSE(readBool(in));
    char text[80];
    readString(text, in);
    EXPECT_STREQ(text, "Tropical");
    readString(text, in);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(readByte(in), 0xAB);
    EXPECT_FALSE(in.failed());
}

TEST(DataFile, BooleanIsTrueOnlyForOneAndReadingPastTheEndYieldsZeroAndFails) {
    TempGameDir dir;
    writeFileBytes("b.bin", Bytes().i32(2).i32(-1).i32(1).data());
    DataReader bools("b.bin");
    EXPECT_FALSE(readBool(bools));
    EXPECT_FALSE(readBool(bools));
    EXPECT_TRUE(readBool(bools));

    writeFileBytes("short.bin", {7, 0});
    DataReader in("short.bin");
    EXPECT_EQ(readInt32(in), 7); // the two missing bytes read as zero
    EXPECT_TRUE(in.failed());
    EXPECT_EQ(readInt32(in), 0);
    EXPECT_EQ(readByte(in), 0);
}

TEST(DataFile, StringsThatDoNotFitFailTheStream) {
    TempGameDir dir;
    std::string fits(79, 'y');
    // The text read, where it matters: nothing of a string too long, all of one that fits.
    const std::tuple<Bytes, bool, const char*> cases[] = {
        {Bytes().str(std::string(80, 'x')), true, ""},
        {Bytes().i32(-5), true, nullptr},
        {Bytes().i32(10).raw("abc"), true, nullptr},
        {Bytes().str(fits), false, fits.c_str()},
    };
    for (const auto& [bytes, fails, expected] : cases) {
        writeFileBytes("s.bin", bytes.data());
        char text[80] = "old";
        DataReader in("s.bin");
        readString(text, in);
        EXPECT_EQ(in.failed(), fails) << bytes.data().size();
        if (expected) {
            EXPECT_STREQ(text, expected);
        }
    }
}

TEST(DataFile, MissingFileAndFolderDoNotOpen) {
    TempGameDir dir;
    std::filesystem::create_directories("DATA");
    DataReader missing("DATA\\NONE.BIN");
    EXPECT_FALSE(missing.isOpen());
    DataReader folder("DATA");
    EXPECT_FALSE(folder.isOpen());
    EXPECT_EQ(readInt32(folder), 0);
    EXPECT_TRUE(folder.failed());
}

TEST(DataFile, AnAbandonedWriteKeepsTheOldFileWhole) {
    TempGameDir dir;
    writeFileBytes("SETTINGS.DAT", Bytes().i32(1).i32(1).data());
    {
        DataWriter out;
        ASSERT_TRUE(out.open("SETTINGS.DAT"));
        writeInt32(out, 0);
        // destroyed without commit, as if the program died here
    }
    EXPECT_EQ(readFileBytes("SETTINGS.DAT"), Bytes().i32(1).i32(1).data());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
}

TEST(DataFile, WritingIntoAReadOnlyFolderFailsCleanly) {
    if (geteuid() == 0) GTEST_SKIP() << "root ignores folder permissions";
    TempGameDir dir;
    std::filesystem::create_directories("locked");
    std::filesystem::permissions("locked", std::filesystem::perms::owner_read |
                                               std::filesystem::perms::owner_exec);
    DataWriter out;
    EXPECT_FALSE(out.open("locked\\x.dat"));
}
