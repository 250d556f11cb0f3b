#include "tools/level_content_run.h"

#include <gtest/gtest.h>

namespace {
class SoundCompiler : public ::testing::Test {
protected:
    // Runs the asset compiler's sound kind on `sources` (name -> text).
    int compileSounds(const std::vector<std::pair<std::string, std::string>>& sources) {
        for (const auto& [name, text] : sources)
            content.write("sounds/" + name, text);
        return content.compile("sounds");
    }
    TempGameDir dir;
    ContentRun content;
};
} // namespace

TEST_F(SoundCompiler, ReportsTheFileAndLineOfEachMistake) {
    EXPECT_NE(compileSounds({
                  {"a.txt", "output SOUND\\A.WAV\ntone 0 100 square E6\ntone 0 100 buzz E6\n"},
                  {"b.txt", "output SOUND\\B.WAV\n\ntone 0 100 square H2\n"},
                  {"c.txt", "output SOUND\\C.WAV\ntone 0 100 sine 440 duty=120\n"},
                  {"d.txt", "output SOUND\\D.WAV\ntone 0 20000 sine 440\n"},
                  {"e.txt", "output MUSIC\\E.IT\n"},
                  {"f.txt", "output SOUND\\F.WAV\nrate 96000\n"},
                  {"h.txt", "# no output\ntone 0 10 sine 440\n"},
              }),
              0);
    for (const char* expected :
         {"a.txt:3: unknown wave 'buzz'", "b.txt:3: 'H2' is not a pitch", "c.txt:2: 'duty=120'",
          "d.txt:2: tone length", "e.txt:1: output needs", "f.txt:2: rate needs",
          "h.txt:0: no output line"})
        EXPECT_TRUE(content.said(expected)) << expected << "\n" << content.output;
    // A source with a mistake writes nothing.
    EXPECT_FALSE(fileExists("SOUND/A.WAV"));
    EXPECT_FALSE(fileExists("SOUND/B.WAV"));
}

TEST_F(SoundCompiler, RefusesTwoSourcesForOneFile) {
    EXPECT_NE(compileSounds({{"a.txt", "output SOUND\\X.WAV\ntone 0 10 sine 440\n"},
                             {"b.txt", "output sound\\x.wav\ntone 0 10 sine 880\n"}}),
              0);
    EXPECT_TRUE(content.said("b.txt:0: sound\\x.wav is already made")) << content.output;
}
