#include "edit/editor_window.h"
#include "edit/editor_panels.h"
#include "edit/editor_state.h"
#include "edit/live_check.h"
#include "edit/save_for_play.h"
#include "edit/stage_file.h"
#include "edit/test_play.h"

#include "level/graphics.h"
#include "platform/bitmap_file.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/headless.h"
#include "platform/input.h"
#include "platform/pointer.h"
#include "platform/quit_request.h"
#include "text/font.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

namespace {
constexpr double checkBudget = 10;
constexpr uint32_t restBeforeCheck = 400; // ms the pointer rests before a check starts
constexpr uint32_t autosaveEvery = 60000;

// Keys read as presses: down now, up the step before.
class KeyPresses {
public:
    bool pressed(Key key) {
        bool down = isKeyDown(key);
        bool& before = held[int(key)];
        bool press = down && !before;
        before = down;
        return press;
    }

    // Keys still held from somewhere else (test-play) are no presses here.
    void absorb() {
        for (int k = 1; k < int(Key::Count); ++k)
            held[k] = isKeyDown(Key(k));
    }

private:
    bool held[int(Key::Count)] = {};
};

class Editor {
public:
    Editor(const std::string& path, bool headless) : headless(headless) { s.path = path; }
    bool open();
    // One step: the pointer and keys read, the stage changed, the frame drawn.
    // False once the modder leaves.
    bool step();

private:
    void say(const std::string& message) {
        s.message = message;
        std::printf("%s\n", message.c_str());
        std::fflush(stdout);
    }
    void pointer(const PointerState& p);
    void keys();
    void typeName();
    void liveCheck(const PointerState& p);
    void save();
    void play(int cellX, int cellY, bool solution);
    void autosave();
    std::string autosavePath() const { return s.path + ".autosave"; }

    EditorState s;
    LiveCheck check;
    KeyPresses presses;
    bool headless;
    bool leftWas = false, rightWas = false;
    bool filling = false, selecting = false, stroke = false;
    int hoverX = -1, hoverY = -1, lastPointerX = -1, lastPointerY = -1;
    uint32_t pointerMoved = 0, lastAutosave = 0;
    int verdictRevision = -1, autosavedRevision = -1;
    bool leaveAsked = false, leaving = false, autosaveOffered = false;
    int scrollDelay = 0;
};

bool Editor::open() {
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::exists(s.path, error)) {
        StageSource stage;
        if (!readStageFile(s.path, stage, s.faults)) {
            say("Cannot read " + s.path);
            return false;
        }
        s.editing.open(stage);
        for (const SourceFault& f : s.faults)
            std::printf("%s:%d: %s\n", s.path.c_str(), f.line, f.message.c_str());
        if (!s.faults.empty())
            say(std::to_string(s.faults.size()) + " lines could not be read (line " +
                std::to_string(s.faults[0].line) + ": " + s.faults[0].message +
                "); the rest is loaded");
        else
            say("Opened " + fs::path(s.path).filename().string());
    } else {
        s.editing.startNew("TROPICAL.TLS", "BG02.BMP", "TROPICAL.IT");
        say("New stage " + fs::path(s.path).filename().string());
    }
    if (fs::exists(autosavePath(), error)) {
        autosaveOffered = true;
        say("An autosave is there (the editor did not close): F9 takes it back");
    }
    if (!s.pictures.load(s.editing.stage().tileset, s.editing.stage().background))
        say("The tileset " + s.editing.stage().tileset + " is not in the game's DATA");
    // The view opens on the start, a little below the middle.
    const StageSource& st = s.editing.stage();
    int sx = st.startInPixels ? st.startX / 16 : st.startX,
        sy = st.startInPixels ? st.startY / 16 : st.startY;
    s.view.scrollX = sx - s.view.columns() / 3;
    s.view.scrollY = sy - s.view.rows() / 2;
    s.view.scroll(0, 0, s.editing.width(), s.editing.height());
    lastAutosave = millisecondClock();
    return true;
}

void Editor::pointer(const PointerState& p) {
    int cx = -1, cy = -1;
    bool inView = s.view.cellAt(p.x, p.y, cx, cy) && s.editing.inside(cx, cy);
    hoverX = inView ? cx : -1;
    hoverY = inView ? cy : -1;
    bool leftPress = p.left && !leftWas, rightPress = p.right && !rightWas;
    bool shift = isKeyDown(Key::LeftShift) || isKeyDown(Key::RightShift);
    bool ctrl = isKeyDown(Key::LeftControl) || isKeyDown(Key::RightControl);
    StageEditing& e = s.editing;
    if ((leftPress || rightPress) && !inView) {
        clickPanels(s, p.x, p.y, rightPress);
        if (s.brush != Brush::Enemy) s.selectedEnemy = -1;
    } else if ((leftPress || rightPress) && inView) {
        s.typingName = false;
        if (shift || (ctrl && leftPress)) {
            filling = shift;
            selecting = !shift;
            s.selection = {cx, cy, cx, cy};
            s.hasSelection = true;
        } else if (leftPress && s.brush == Brush::Enemy) {
            int there = e.enemyAt(cx, cy);
            if (there < 0) {
                StageEnemy placed = s.enemy;
                placed.cellX = cx;
                placed.cellY = cy;
                there = e.placeEnemy(placed);
            }
            s.selectedEnemy = there;
        } else if (leftPress && s.brush == Brush::Start) {
            e.placeStart(cx, cy);
        } else {
            e.beginGroup();
            stroke = true;
        }
    }
    if ((filling || selecting) && inView) {
        s.selection.x1 = cx;
        s.selection.y1 = cy;
    }
    if (stroke && inView) {
        if (p.right) {
            e.erase(cx, cy);
            int there = e.enemyAt(cx, cy);
            if (there >= 0) {
                e.removeEnemy(there);
                s.selectedEnemy = -1;
            }
        } else if (p.left) {
            if (!e.paint(cx, cy, s.letter)) say(std::string("No key ") + s.letter);
        }
    }
    if (!p.left && !p.right) {
        if (stroke) e.endGroup();
        if (filling) {
            e.fill(s.selection.x0, s.selection.y0, s.selection.x1, s.selection.y1,
                   rightWas ? '.' : s.letter);
            s.hasSelection = false;
        }
        stroke = filling = selecting = false;
    }
    leftWas = p.left;
    rightWas = p.right;
    if (p.x != lastPointerX || p.y != lastPointerY) pointerMoved = millisecondClock();
    lastPointerX = p.x;
    lastPointerY = p.y;
}

void Editor::typeName() {
    std::string name = s.editing.stage().name;
    bool shift = isKeyDown(Key::LeftShift) || isKeyDown(Key::RightShift);
    for (int i = 0; i < 26; ++i)
        if (presses.pressed(letterKey(i))) name += char((shift ? 'A' : 'a') + i);
    for (int i = 0; i < 10; ++i)
        if (presses.pressed(digitKey(i))) name += char('0' + i);
    if (presses.pressed(Key::Space)) name += ' ';
    if (presses.pressed(Key::Backspace) && !name.empty()) name.pop_back();
    if (name.size() > mapTextCapacity - 1) name.resize(mapTextCapacity - 1);
    if (name != s.editing.stage().name) s.editing.setName(name);
    if (presses.pressed(Key::Return) || presses.pressed(Key::Escape)) s.typingName = false;
}

void Editor::keys() {
    if (s.typingName) return typeName();
    bool ctrl = isKeyDown(Key::LeftControl) || isKeyDown(Key::RightControl);
    StageEditing& e = s.editing;
    int w = e.width(), h = e.height();
    // Held arrows scroll a cell every few steps.
    int dx = isKeyDown(Key::Right) - isKeyDown(Key::Left),
        dy = isKeyDown(Key::Down) - isKeyDown(Key::Up);
    if ((dx || dy) && scrollDelay-- <= 0) {
        s.view.scroll(dx, dy, w, h);
        scrollDelay = 3;
    }
    if (!dx && !dy) scrollDelay = 0;
    bool pageUp = presses.pressed(Key::PageUp), pageDown = presses.pressed(Key::PageDown);
    if (pageUp || pageDown) {
        s.view.scroll(pageDown ? s.view.columns() : -s.view.columns(), 0, w, h);
        say("View from column " + std::to_string(s.view.scrollX));
    }
    bool z = presses.pressed(Key::Z), y = presses.pressed(Key::Y), c = presses.pressed(Key::C),
         v = presses.pressed(Key::V), save = presses.pressed(Key::S), g = presses.pressed(Key::G);
    if (ctrl && z) say(e.undo() ? "Undone" : "Nothing to undo");
    if (ctrl && y) say(e.redo() ? "Redone" : "Nothing to redo");
    if (ctrl && c && s.hasSelection) {
        s.clipboard = e.copy(s.selection.x0, s.selection.y0, s.selection.x1, s.selection.y1);
        say("Copied " + std::to_string(s.clipboard.width) + " x " +
            std::to_string(s.clipboard.height));
    }
    if (ctrl && v && s.clipboard.width > 0 && hoverX >= 0) e.paste(s.clipboard, hoverX, hoverY);
    if (ctrl && save) this->save();
    if (!ctrl && z) s.view.toggleZoom(w, h);
    if (!ctrl && g) s.view.gridShown = !s.view.gridShown;
    if (presses.pressed(Key::Delete) && s.selectedEnemy >= 0) {
        e.removeEnemy(s.selectedEnemy);
        s.selectedEnemy = -1;
    }
    if (presses.pressed(Key::F5)) play(-1, -1, false);
    if (presses.pressed(Key::F6)) {
        if (hoverX >= 0)
            play(hoverX, hoverY, false);
        else
            say("F6 plays from the cell under the pointer");
    }
    if (presses.pressed(Key::F7)) play(-1, -1, true);
    if (presses.pressed(Key::F9) && autosaveOffered) {
        StageSource stage;
        std::vector<SourceFault> faults;
        if (readStageFile(autosavePath(), stage, faults)) {
            e.replace(stage);
            say("The autosave is back; ^S saves it");
        }
        autosaveOffered = false;
    }
    if (presses.pressed(Key::Escape)) {
        if (!e.changed() || leaveAsked)
            leaving = true;
        else
            say("Unsaved changes: ESC again leaves without saving, ^S saves");
        leaveAsked = true;
    }
}

void Editor::liveCheck(const PointerState& p) {
    StageVerdict verdict;
    if (check.take(verdict) && check.revision() == s.editing.revision()) {
        s.verdict = verdict;
        s.verdictKnown = true;
        verdictRevision = check.revision();
        std::printf("Check: %s\n", verdict.text.c_str());
        std::fflush(stdout);
    }
    // A change cancels the check of the stage as it was at once.
    if (check.running() && check.revision() != s.editing.revision()) check.cancelRunning();
    bool rested = !p.left && !p.right && millisecondClock() - pointerMoved >= restBeforeCheck;
    if (check.revision() != s.editing.revision() && rested) {
        check.start(s.editing.stage(), s.editing.revision(), checkBudget);
        s.verdictKnown = false;
    }
    s.checking = check.running() || check.revision() != s.editing.revision();
}

void Editor::save() {
    bool noClear = s.verdictKnown && verdictRevision == s.editing.revision() &&
                   s.verdict.kind != StageVerdict::Clears;
    // Saving for play writes the game's files through the game's own code: no
    // check may be playing meanwhile.
    check.stop();
    SaveOutcome outcome = saveStage(s.editing.stage(), s.path, noClear);
    if (outcome.sourceSaved) s.editing.markSaved();
    say(outcome.message);
}

void Editor::play(int cellX, int cellY, bool solution) {
    if (solution && !(s.verdictKnown && verdictRevision == s.editing.revision() &&
                      s.verdict.kind == StageVerdict::Clears)) {
        say("No solution yet: F7 plays the check's clear once it has one");
        return;
    }
    check.stop();
    std::string fault;
    if (!testPlay(s.editing.stage(), cellX, cellY, solution ? &s.verdict.steering : nullptr, fault))
        say("Cannot play: " + fault);
    else
        say(solution ? "Back from the solution" : "Back from test play");
    leftWas = rightWas = true; // a button still held from play does not paint
    presses.absorb();
}

void Editor::autosave() {
    if (millisecondClock() - lastAutosave < autosaveEvery) return;
    lastAutosave = millisecondClock();
    if (s.editing.revision() == autosavedRevision || !s.editing.changed()) return;
    if (writeStageFile(autosavePath(), s.editing.stage())) autosavedRevision = s.editing.revision();
}

bool Editor::step() {
    PointerState p = readPointer();
    pointer(p);
    keys();
    if (leaving || quitRequested()) return false;
    liveCheck(p);
    autosave();
    clearPicture(backBuffer, colourOf(0, 0, 0));
    const CellRect* marked = (filling || selecting || s.hasSelection) ? &s.selection : nullptr;
    s.view.draw(backBuffer, s.editing.stage(), s.pictures, marked, hoverX, hoverY);
    drawPanels(backBuffer, s, hoverX, hoverY);
    uint32_t begun = millisecondClock();
    presentFrame();
    // About 60 frames a second; the game's clock is left to play.
    if (!headless) {
        uint32_t spent = millisecondClock() - begun;
        if (spent < 16) std::this_thread::sleep_for(std::chrono::milliseconds(16 - spent));
    }
    return true;
}
} // namespace

int runEditorWindow(const std::string& stagePath, bool headless) {
    bool started =
        headless ? initHeadlessGraphics() : initGraphics(editorFrameWidth, editorFrameHeight, true);
    if (headless && started) started = setDisplayMode(editorFrameWidth, editorFrameHeight, true);
    if (!started) {
        reportDisplayFailure("tumblo-edit");
        return 1;
    }
    setWindowTitle("Tumblo stage editor");
    letCloseButtonQuit();
    startPointer();
    std::string error;
    if (!gameFont.load("DATA\\FONT.FNT", error))
        std::fprintf(stderr, "tumblo-edit: %s\n", error.c_str());
    gameFont.sheet = loadBitmap("BITMAP\\GENERAL\\FONT.BMP");
    loadPlayGraphics();
    Editor editor(stagePath, headless);
    if (!editor.open()) return 2;
    while (editor.step()) {
    }
    // A clean end: the autosave has done its work.
    std::error_code ignored;
    std::filesystem::remove(stagePath + ".autosave", ignored);
    return 0;
}
