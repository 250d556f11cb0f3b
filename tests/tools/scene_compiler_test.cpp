// The scene generator run as the build runs it, on small sources in a scratch
// content folder: a good scene is written, a bad one stops with file:line.
#include "tools/level_content_run.h"

#include <gtest/gtest.h>
#include <string>

namespace {
class SceneCompiler : public ::testing::Test {
protected:
    void SetUp() override { content.write("palette.txt", "a #639bff azure\ng #6abe30 green\n"); }
    int compile(const std::string& scene) {
        content.write("scenes/BG/T.txt", scene);
        return content.compile("scenes");
    }
    void expectError(const std::string& scene, const std::string& message) {
        EXPECT_NE(compile(scene), 0) << scene;
        EXPECT_TRUE(content.said("scenes/BG/T.txt:" + message)) << "for:\n"
                                                                << scene << "got:\n"
                                                                << content.output;
        EXPECT_FALSE(fileExists("BITMAP/BG/T.BMP")) << scene;
    }

    TempGameDir dir;
    ContentRun content;
};

TEST_F(SceneCompiler, ReportsTheLineOfABadLayer) {
    expectError("fill colour=a\nclouds colour=a\n", "2: clouds: needs colours=");
    expectError("\n\nsparkles colour=a\n", "3: unknown layer 'sparkles'");
    expectError("fill colour=Z\n", "1: fill: 'Z' in colour is not a palette colour");
    expectError("# sky\ngradient colours=a,g y=10\nfill colour=a colour=g\n",
                "3: fill: colour is given twice");
    expectError("hills colours=a base=10 wave=3,1.5,0\n",
                "1: hills: wave is amplitude,count,phase[,peak]");
    expectError("hills colours=a base=10 wav=3,1,0\n", "1: hills: unknown key 'wav'");
    expectError("gradient colours=a y=20..10\n", "1: gradient: y must be a number or a range");
    expectError("fill colour=a\nsize 10 10\n", "2: size must come before the first layer");
    expectError("fill colour a\n", "1: 'colour' is not of the form key=value");
    expectError("ball r=5 key=0,1,2\n", "1: ball: key is frame,x,bottom");
    expectError("# nothing\n", "0: no layers");
}
} // namespace
