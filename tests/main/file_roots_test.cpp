// The modding guide the about screen names is one that exists: in a build
// tree's doc folder, beside an installed program, else where the game was
// installed to.
#include "main/file_roots.h"
#include "support/test_env.h"

#include <gtest/gtest.h>

TEST(FileRoots, TheModdingGuideIsNamedWhereThisInstallationHoldsIt) {
    TempGameDir dir;
    const std::string here = dir.path();
    writeFileBytes("build/game/DATA/DEFAULT.STG", {1});
    writeFileBytes("build/doc/MODDING.md", {'#'});
    writeFileBytes("prefix/games/.keep", {});
    writeFileBytes("prefix/share/doc/tumblo/MODDING.md", {'#'});
    writeFileBytes("bare/games/.keep", {});
    EXPECT_EQ(findModdingGuide(here + "/build/game"), here + "/build/doc/MODDING.md");
    EXPECT_EQ(findModdingGuide(here + "/prefix/games"),
              here + "/prefix/share/doc/tumblo/MODDING.md");
    // A program whose guide is nowhere beside it: the installed place.
    EXPECT_EQ(findModdingGuide(here + "/bare/games"), "/usr/share/doc/tumblo/MODDING.md");
    EXPECT_EQ(findModdingGuide(""), "/usr/share/doc/tumblo/MODDING.md");
}
