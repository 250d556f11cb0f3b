// The editor's window driven headless as a modder would: the pointer paints a
// cell of the stage, CTRL+Z takes it back and CTRL+Y brings it again, CTRL+S
// saves, ESC leaves; the source on disk holds the painted cell and nothing
// else changed.
#include "edit/editor_window.h"

#include "platform/display.h"
#include "platform/headless.h"
#include "platform/input.h"
#include "platform/paths.h"
#include "platform/pointer.h"
#include "support/test_env.h"

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

TEST(EditorWindow, PointerAndKeysPaintUndoRedoSaveAndLeave) {
    const char* game = std::getenv("TUMBLO_GAME_DIR");
    if (!game) GTEST_SKIP() << "TUMBLO_GAME_DIR is not set";
    ensureHeadless();
    TempGameDir scratch;
    std::string stage = scratch.path() + "/stage.txt";
    std::filesystem::copy_file(std::string(TUMBLO_CONTENT_DIR) + "/maps/trop01.txt", stage);
    std::string original = readFileText(stage);
    InDir inGame(game);
    ASSERT_TRUE(inGame.ok);
    // What the editor writes goes to the scratch folder, not the built game.
    setFileRoots(game, scratch.path());

    // One step of the script a frame: hold what it says for two frames.
    struct Step {
        int x, y;
        bool left;
        std::vector<Key> keys;
    };
    // trop01 opens with the view at column 0, row 0: cell (5, 3) is empty and
    // lies at page (5 * 16 + 8, 16 + 3 * 16 + 8).
    const int cx = 5 * 16 + 8, cy = 16 + 3 * 16 + 8;
    std::vector<Step> script = {
        {cx, cy, false, {}}, {cx, cy, true, {}},
        {cx, cy, false, {}}, {cx, cy, false, {Key::LeftControl, Key::Z}},
        {cx, cy, false, {}}, {cx, cy, false, {Key::LeftControl, Key::Y}},
        {cx, cy, false, {}}, {cx, cy, false, {Key::LeftControl, Key::S}},
        {cx, cy, false, {}}, {cx, cy, false, {Key::Escape}},
        {cx, cy, false, {}},
    };
    int frame = 0;
    setFrameHook([&]() {
        int index = std::min(frame++ / 2, (int)script.size() - 1);
        releaseSimulatedKeys();
        const Step& step = script[index];
        simulatePointer(step.x, step.y, step.left, false);
        for (Key k : step.keys)
            simulateKey(k, true);
        // A runaway editor is stopped rather than hanging the tests.
        if (frame > 2000) simulateKey(Key::Escape, true);
    });
    EXPECT_EQ(runEditorWindow(stage, true), 0);
    setFrameHook(nullptr);
    releaseSimulatedKeys();
    setDisplayMode(320, 240, true); // the game's frame again for the other tests
    setFileRoots("", "");
    EXPECT_LT(frame, 100);

    std::string saved = readFileText(stage);
    size_t grid = original.find("grid\n") + 5;
    std::string expected = original;
    expected[grid + 3 * 107 + 5] = '='; // the palette's first key
    EXPECT_EQ(saved, expected);
    EXPECT_TRUE(fileExists(scratch.path() + "/DATA/STAGE.MAP"));
    EXPECT_FALSE(fileExists(stage + ".autosave"));
}
