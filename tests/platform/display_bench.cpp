// One presented frame at scale 3, headless: the back buffer copied to the page and
// the page enlarged into a 32-bit picture of 960 by 720, as the window gets it on
// a 24-bit desktop. The copy to the X window itself is not part of it (the
// measure-idle-cpu script takes the game's whole cost under Xvfb).
#include "platform/display.h"
#include "support/test_env.h"

#include <allegro.h>
#include <allegro/internal/aintern.h>
#include <benchmark/benchmark.h>
#include <utility>

namespace {
// Two pictures that differ in every row, so that no row is left as it was.
void drawPictures(BITMAP* a, BITMAP* b) {
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x) {
            putpixel(a, x, y, makecol((x * 7) & 255, (y * 5) & 255, (x + y) & 255));
            putpixel(b, x, y, makecol((x * 3) & 255, (y * 11) & 255, (x ^ y) & 255));
        }
}

// Argument 0: the same picture every frame (a menu at rest). 1: every row changes
// every frame (a scrolling stage).
void BM_PresentFrameScale3(benchmark::State& state) {
    ensureHeadless();
    Picture pictures[2] = {Picture::create(320, 240), Picture::create(320, 240)};
    drawPictures(pictures[0].handle(), pictures[1].handle());
    std::swap(backBuffer, pictures[0]);
    if (!scaleHeadlessFrames(3, 32)) {
        state.SkipWithError("no 32-bit picture at scale 3");
        return;
    }
    bool changing = state.range(0) == 1;
    for (auto _ : state) {
        // Trading places with the other picture changes every row.
        if (changing) std::swap(backBuffer, pictures[1]);
        presentFrame();
        benchmark::DoNotOptimize(scaledFrame().handle()->line[0][0]);
    }
    state.counters["fps"] =
        benchmark::Counter((double)state.iterations(), benchmark::Counter::kIsRate);
    // Setting the mode again ends the enlarged flips and makes a new back buffer.
    setDisplayMode(screenWidth, screenHeight, true);
}

// What a flip cost before the display layer enlarged the page itself: the library
// stretches the 16-bit page to 960 by 720, and its X driver converts that to 32
// bits with the same converter. The X driver also sent it line by line, which is
// not counted here.
void BM_LibraryStretchAndConvert(benchmark::State& state) {
    ensureHeadless();
    BITMAP* page = create_bitmap(320, 240);
    BITMAP* other = create_bitmap(320, 240);
    drawPictures(page, other);
    BITMAP* stretched = create_bitmap_ex(16, 960, 720);
    BITMAP* converted = create_bitmap_ex(32, 960, 720);
    COLORCONV_BLITTER_FUNC* convert = _get_colorconv_blitter(16, 32);
    for (auto _ : state) {
        stretch_blit(page, stretched, 0, 0, 320, 240, 0, 0, 960, 720);
        // Line by line, as the driver converted each line the stretch wrote.
        for (int y = 0; y < 720; ++y) {
            GRAPHICS_RECT from = {960, 1, 960 * 2, stretched->line[y]};
            GRAPHICS_RECT to = {960, 1, 960 * 4, converted->line[y]};
            convert(&from, &to);
        }
        benchmark::DoNotOptimize(converted->line[0][0]);
    }
    state.counters["fps"] =
        benchmark::Counter((double)state.iterations(), benchmark::Counter::kIsRate);
    _release_colorconv_blitter(convert);
    destroy_bitmap(converted);
    destroy_bitmap(stretched);
    destroy_bitmap(other);
    destroy_bitmap(page);
}
} // namespace

BENCHMARK(BM_PresentFrameScale3)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LibraryStretchAndConvert)->Unit(benchmark::kMicrosecond);
