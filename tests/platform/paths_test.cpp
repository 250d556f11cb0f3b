#include "platform/paths.h"
#include "support/test_env.h"
#include "text/data_file.h"
#include "text/file_finder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

TEST(Paths, BackslashesAndLetterCaseResolveToTheExistingFile) {
    TempGameDir dir;
    writeFileBytes("BITMAP/GENERAL/tumblo.bmp", {1});
    writeFileBytes("BITMAP/BG/BGcred.bmp", {2});
    EXPECT_EQ(resolvePath("BITMAP\\GENERAL\\tumblo.bmp"), "BITMAP/GENERAL/tumblo.bmp");
    EXPECT_EQ(resolvePath("bitmap\\general\\TUMBLO.BMP"), "BITMAP/GENERAL/tumblo.bmp");
    EXPECT_EQ(resolvePath("BITMAP\\BG\\BGCRED.BMP"), "BITMAP/BG/BGcred.bmp");
    // A missing file keeps its name as given below the folders that matched.
    EXPECT_EQ(resolvePath("Bitmap\\Bg\\NEW.bmp"), "BITMAP/BG/NEW.bmp");
    EXPECT_EQ(resolvePath("MISSING\\x.bmp"), "MISSING/x.bmp");
}

TEST(Paths, WritingGoesIntoTheCaseMatchedFolder) {
    TempGameDir dir;
    std::filesystem::create_directories("DATA");
    writeFileBytes("DATA/DEFAULT.STG", {1});
    DataWriter out;
    ASSERT_TRUE(out.open("data\\extra.stg"));
    writeInt32(out, 5);
    ASSERT_TRUE(out.commit());
    EXPECT_TRUE(fileExists("DATA/extra.stg"));
    EXPECT_FALSE(fileExists("data"));
    // Writing again in another letter case replaces the same file.
    EXPECT_EQ(resolveWritePath("DATA\\EXTRA.STG"), "DATA/extra.stg");
    // Missing folders are made.
    EXPECT_EQ(resolveWritePath("DATA\\UNLOCK\\DEFAULT.STG"), "DATA/UNLOCK/DEFAULT.STG");
    EXPECT_TRUE(std::filesystem::is_directory("DATA/UNLOCK"));
}

TEST(Paths, OddLettersInNamesAreKept) {
    TempGameDir dir;
    std::string name = "DEMOS/M\xc3\xbcller & Co #1.TDM";
    writeFileBytes(name, {9});
    DataReader in("demos\\M\xc3\xbcller & Co #1.tdm");
    EXPECT_TRUE(in.isOpen());
    EXPECT_EQ(readByte(in), 9);
}

TEST(Paths, WildcardsMatchIgnoringCase) {
    EXPECT_TRUE(wildcardMatch("*.STG", "extra.stg"));
    EXPECT_TRUE(wildcardMatch("*.TDM", "A.TDM"));
    EXPECT_FALSE(wildcardMatch("*.TDM", "A.TDMX"));
    EXPECT_TRUE(wildcardMatch("LEVEL?.MAP", "level1.map"));
    EXPECT_FALSE(wildcardMatch("LEVEL?.MAP", "LEVEL12.MAP"));
    EXPECT_TRUE(wildcardMatch("*", ""));
}

TEST(FileFinder, ListsMatchingFilesOnly) {
    TempGameDir dir;
    writeFileBytes("DATA/DEFAULT.STG", {1});
    writeFileBytes("DATA/extra.stg", {1});
    writeFileBytes("DATA/LEVEL1.MAP", {1});
    std::filesystem::create_directories("DATA/folder.stg");
    FileFinder finder("data\\*.STG");
    std::vector<std::string> names;
    while (finder.next())
        names.push_back(finder.fileName());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"DEFAULT.STG", "extra.stg"}));

    FileFinder none("DEMOS\\*.TDM");
    EXPECT_FALSE(none.next());
}

TEST(Paths, ThePlayersRootComesBeforeTheDataAndTakesEveryWrite) {
    TempGameDir dir;
    writeFileBytes("data/DATA/DEFAULT.STG", {1});
    writeFileBytes("data/DEMOS/SHIPPED.TDM", {2});
    writeFileBytes("data/DEMOS/BOTH.TDM", {3});
    writeFileBytes("user/demos/both.tdm", {4});
    for (const char* name : {"D218.TDM", "d069.tdm", "D095.TDM", "a_1.TDM", "A1.TDM"})
        writeFileBytes(std::string("data/DEMOS/") + name, {5});
    writeFileBytes("user/demos/Zed.tdm", {6});
    std::string here = std::filesystem::current_path().string();
    setFileRoots(here + "/data", here + "/user");
    EXPECT_EQ(resolvePath("DATA\\DEFAULT.STG"), here + "/data/DATA/DEFAULT.STG");
    EXPECT_EQ(resolvePath("DEMOS\\BOTH.TDM"), here + "/user/demos/both.tdm");
    // A file in neither root is looked for (and not found) in the data.
    EXPECT_EQ(resolvePath("DATA\\NONE.MAP"), here + "/data/DATA/NONE.MAP");
    // Writes go to the player's root only, even over a file the data holds.
    EXPECT_EQ(resolveWritePath("DATA\\DEFAULT.STG"), here + "/user/DATA/DEFAULT.STG");
    EXPECT_EQ(resolveWritePath("SETTINGS.DAT"), here + "/user/SETTINGS.DAT");
    // Listing: a name in both roots once, the player's copy; all of them sorted
    // by name without regard to case, whichever root holds them.
    std::vector<std::string> demos = listMatchingFiles("DEMOS\\*.TDM");
    EXPECT_EQ(demos, (std::vector<std::string>{"A1.TDM", "a_1.TDM", "both.tdm", "d069.tdm",
                                               "D095.TDM", "D218.TDM", "SHIPPED.TDM", "Zed.tdm"}));
    // Absolute paths are taken as they are.
    EXPECT_EQ(resolvePath((here + "/data/DATA/DEFAULT.STG").c_str()),
              here + "/data/DATA/DEFAULT.STG");
    setFileRoots("", "");
}
