#include "platform/wav_decode.h"
#include "support/test_env.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
struct CompileRun {
    int status;
    std::string errors;
};

// Runs the asset compiler's sound kind on `sources` (name -> text) in a fresh
// content folder, with the game folder "game" under the working directory.
CompileRun compileSounds(const std::vector<std::pair<std::string, std::string>>& sources) {
    const char* tools = std::getenv("TUMBLO_TOOLS_DIR");
    const char* content = std::getenv("TUMBLO_CONTENT_DIR");
    if (!tools || !content) return {-1, "run through ctest: TUMBLO_TOOLS_DIR is not set"};
    std::filesystem::create_directories("content/sounds");
    std::filesystem::copy_file(std::string(content) + "/palette.txt", "content/palette.txt");
    for (const auto& [name, text] : sources)
        writeFileBytes("content/sounds/" + name, std::vector<uint8_t>(text.begin(), text.end()));
    std::string command = std::string(tools) + "/tumblo-assets content game sounds 2>errors.txt";
    int status = std::system(command.c_str());
    return {status, readFileText("errors.txt")};
}

bool decodesAt(const std::string& path, size_t& frames) {
    std::vector<uint8_t> bytes = readFileBytes(path);
    std::vector<int16_t> out;
    bool ok = decodeWav(bytes.data(), bytes.size(), 22050, out);
    frames = out.size() / 2;
    return ok;
}
} // namespace

TEST(SoundCompiler, RendersTonesIntoAWavOfTheirLength) {
    TempGameDir dir;
    CompileRun run =
        compileSounds({{"ding.txt", "output SOUND\\DING.WAV\n"
                                    "rate 22050\n"
                                    "tone 0 100 square E6 duty=25\n"
                                    "tone 50 250 noise 3000 to=200 decay=40  # crunch\n"}});
    ASSERT_EQ(run.status, 0) << run.errors;
    size_t frames = 0;
    ASSERT_TRUE(decodesAt("game/SOUND/DING.WAV", frames));
    EXPECT_EQ(frames, 6615u); // 300 ms at 22050 Hz
}

TEST(SoundCompiler, ReportsTheFileAndLineOfEachMistake) {
    TempGameDir dir;
    CompileRun run = compileSounds({
        {"a.txt", "output SOUND\\A.WAV\ntone 0 100 square E6\ntone 0 100 buzz E6\n"},
        {"b.txt", "output SOUND\\B.WAV\n\ntone 0 100 square H2\n"},
        {"c.txt", "output SOUND\\C.WAV\ntone 0 100 sine 440 duty=120\n"},
        {"d.txt", "output SOUND\\D.WAV\ntone 0 20000 sine 440\n"},
        {"e.txt", "output MUSIC\\E.IT\n"},
        {"f.txt", "output SOUND\\F.WAV\nrate 96000\n"},
        {"h.txt", "# no output\ntone 0 10 sine 440\n"},
    });
    EXPECT_NE(run.status, 0);
    for (const char* expected :
         {"a.txt:3: unknown wave 'buzz'", "b.txt:3: 'H2' is not a pitch", "c.txt:2: 'duty=120'",
          "d.txt:2: tone length", "e.txt:1: output needs", "f.txt:2: rate needs",
          "h.txt:0: no output line"})
        EXPECT_NE(run.errors.find(expected), std::string::npos) << expected << "\n" << run.errors;
    // A source with a mistake writes nothing.
    EXPECT_FALSE(fileExists("game/SOUND/A.WAV"));
    EXPECT_FALSE(fileExists("game/SOUND/B.WAV"));
}

TEST(SoundCompiler, RefusesTwoSourcesForOneFile) {
    TempGameDir dir;
    CompileRun run = compileSounds({{"a.txt", "output SOUND\\X.WAV\ntone 0 10 sine 440\n"},
                                    {"b.txt", "output sound\\x.wav\ntone 0 10 sine 880\n"}});
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.errors.find("b.txt:0: sound\\x.wav is already made"), std::string::npos)
        << run.errors;
}
