// tumblo-probe: what the end-to-end scripts wait for before they press a key.
// It looks at the game's window through the X server and finds there what the
// game draws, rendered here by the game's own font and picture loaders from the
// built data tree, so a script never guesses how long a screen takes to come.
//
//   tumblo-probe GAME_DIR wait WINDOW SECONDS text X Y TEXT
//   tumblo-probe GAME_DIR wait WINDOW SECONDS gone X Y TEXT
//   tumblo-probe GAME_DIR wait WINDOW SECONDS picture X Y FILE
//   tumblo-probe GAME_DIR wait WINDOW SECONDS colour X Y R G B
//   tumblo-probe GAME_DIR row WINDOW SECONDS X FIRST_Y SPACING COUNT TEXT
//   tumblo-probe GAME_DIR save WINDOW FILE.bmp
//   tumblo-probe GAME_DIR close WINDOW
//
// X is a column of the 320 by 240 frame or "centre" (centred as the game
// centres it). `wait` returns 0 as soon as the frame shows what is asked (for
// `gone`: no longer shows the text), 1 when SECONDS pass first. `row` prints
// the one row from 0 to COUNT - 1 that shows TEXT at (X, FIRST_Y + SPACING *
// row), as soon as exactly one does. `close` sends the close request of a
// window manager. Status 2: wrong use, no X server, or data that do not load.
#include "window_frame.h"

#include "platform/bitmap_file.h"
#include "platform/display.h"
#include "platform/paths.h"
#include "text/font.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {
constexpr int frameWidth = 320;
constexpr int frameHeight = 240;
// A drawn pixel matches when each channel is this close: the window holds the
// 16-bit frame widened to 24 bits.
constexpr int channelTolerance = 12;
// Shown: nearly every drawn pixel matches (a look may catch the window half
// redrawn). Gone: fewer than half do.
constexpr double shownShare = 0.97;
constexpr double goneShare = 0.5;

int usage() {
    std::fputs("usage: tumblo-probe GAME_DIR wait WINDOW SECONDS text|gone|picture|colour ...\n"
               "       tumblo-probe GAME_DIR row WINDOW SECONDS X FIRST_Y SPACING COUNT TEXT\n"
               "       tumblo-probe GAME_DIR save WINDOW FILE.bmp\n"
               "       tumblo-probe GAME_DIR close WINDOW\n",
               stderr);
    return 2;
}

// What the game would draw, on the mask colour everywhere else.
class Drawing {
public:
    Drawing() : picture_(Picture::create(frameWidth, frameHeight)) { clear(); }

    void clear() { clearPicture(picture_, transparentColour()); }
    void text(const char* x, int y, const char* text) {
        if (std::strcmp(x, "centre") == 0)
            gameFont.drawTextCentered(text, y, picture_);
        else
            gameFont.drawText(text, std::atoi(x), y, picture_);
    }
    bool picture(const char* x, int y, const char* file) {
        Picture p = loadBitmap(file);
        if (!p) return false;
        int left = std::strcmp(x, "centre") == 0 ? (frameWidth - p.width()) / 2 : std::atoi(x);
        drawMasked(p, picture_, 0, 0, left, y, p.width(), p.height());
        return true;
    }
    void pixel(int x, int y, int r, int g, int b) { setPixel(picture_, x, y, colourOf(r, g, b)); }
    void copy(const WindowFrame& frame) {
        for (int y = 0; y < frameHeight; ++y)
            for (int x = 0; x < frameWidth; ++x) {
                const Rgb& c = frame.at(x, y);
                setPixel(picture_, x, y, colourOf(c.r, c.g, c.b));
            }
    }
    bool save(const char* file) const { return saveBitmapFile(picture_, file); }

    // Where anything is drawn; an empty area when nothing is.
    FrameArea area() const {
        int left = frameWidth, top = frameHeight, right = -1, bottom = -1;
        for (int y = 0; y < frameHeight; ++y)
            for (int x = 0; x < frameWidth; ++x)
                if (pixelAt(picture_, x, y) != transparentColour()) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
        if (right < 0) return {0, 0, 0, 0};
        return {left, top, right - left + 1, bottom - top + 1};
    }

    // The share of the drawn pixels that the frame shows; -1 with none drawn.
    double shareIn(const WindowFrame& frame) const {
        long drawn = 0, matching = 0;
        for (int y = 0; y < frameHeight; ++y)
            for (int x = 0; x < frameWidth; ++x) {
                Colour c = pixelAt(picture_, x, y);
                if (c == transparentColour()) continue;
                ++drawn;
                const Rgb& seen = frame.at(x, y);
                int r, g, b;
                colourParts(c, r, g, b);
                if (std::abs(r - seen.r) <= channelTolerance &&
                    std::abs(g - seen.g) <= channelTolerance &&
                    std::abs(b - seen.b) <= channelTolerance)
                    ++matching;
            }
        return drawn == 0 ? -1.0 : (double)matching / (double)drawn;
    }

private:
    Picture picture_;
};

// Looks at `area` again and again until `seen` says yes or the time is up. A
// look at a small area is quick, which matters on a loaded machine.
template <typename Seen>
bool waitFor(WindowFrame& frame, unsigned long window, double seconds, FrameArea area, Seen seen) {
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        bool captured = frame.capture(window, area);
        if (seen(captured)) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

bool loadGameLook(const std::string& gameDir) {
    setFileRoots(gameDir, gameDir);
    if (!initHeadlessGraphics()) return false;
    gameFont.sheet = loadBitmap("BITMAP\\GENERAL\\FONT.BMP");
    std::string error;
    return gameFont.load("DATA\\FONT.FNT", error) && gameFont.sheet;
}

int waitCommand(WindowFrame& frame, unsigned long window, double seconds, int argc, char** argv) {
    if (argc < 3) return usage();
    std::string kind = argv[0];
    const char* x = argv[1];
    int y = std::atoi(argv[2]);
    Drawing expected;
    if ((kind == "text" || kind == "gone") && argc == 4) {
        expected.text(x, y, argv[3]);
    } else if (kind == "picture" && argc == 4) {
        if (!expected.picture(x, y, argv[3])) {
            std::fprintf(stderr, "tumblo-probe: cannot load %s\n", argv[3]);
            return 2;
        }
    } else if (kind == "colour" && argc == 6) {
        expected.pixel(std::atoi(x), y, std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]));
    } else {
        return usage();
    }
    bool gone = kind == "gone";
    return waitFor(frame, window, seconds, expected.area(),
                   [&](bool captured) {
                       if (!captured) return gone;
                       double share = expected.shareIn(frame);
                       return gone ? share < goneShare : share >= shownShare;
                   })
               ? 0
               : 1;
}

int rowCommand(WindowFrame& frame, unsigned long window, double seconds, char** argv) {
    const char* x = argv[0];
    int firstY = std::atoi(argv[1]), spacing = std::atoi(argv[2]), count = std::atoi(argv[3]);
    const char* text = argv[4];
    if (count < 1) return usage();
    Drawing expected;
    for (int row = 0; row < count; ++row)
        expected.text(x, firstY + spacing * row, text);
    FrameArea rows = expected.area();
    int found = -1;
    bool seen = waitFor(frame, window, seconds, rows, [&](bool captured) {
        if (!captured) return false;
        int showing = 0;
        for (int row = 0; row < count; ++row) {
            expected.clear();
            expected.text(x, firstY + spacing * row, text);
            if (expected.shareIn(frame) >= shownShare) {
                found = row;
                ++showing;
            }
        }
        return showing == 1;
    });
    if (!seen) return 1;
    std::printf("%d\n", found);
    return 0;
}

int saveCommand(WindowFrame& frame, unsigned long window, const char* file) {
    if (!frame.capture(window)) return 1;
    Drawing copy;
    copy.copy(frame);
    return copy.save(file) ? 0 : 2;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 4) return usage();
    std::string command = argv[2];
    unsigned long window = parseWindowId(argv[3]);
    WindowFrame frame;
    if (!frame.connect()) {
        std::fputs("tumblo-probe: no X display\n", stderr);
        return 2;
    }
    if (command == "close") return argc == 4 && frame.askToClose(window) ? 0 : 2;
    if (!loadGameLook(argv[1])) {
        std::fprintf(stderr, "tumblo-probe: the game's font does not load from %s\n", argv[1]);
        return 2;
    }
    if (command == "save" && argc == 5) return saveCommand(frame, window, argv[4]);
    if (argc < 5) return usage();
    double seconds = std::atof(argv[4]);
    if (command == "wait") return waitCommand(frame, window, seconds, argc - 5, argv + 5);
    if (command == "row" && argc == 10) return rowCommand(frame, window, seconds, argv + 5);
    return usage();
}
