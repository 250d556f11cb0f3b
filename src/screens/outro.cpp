#include "screens/outro.h"

#include "level/animation.h"
#include "platform/bitmap_file.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/quit_request.h"
#include "platform/sound.h"
#include "screens/outro_scene.h"
#include "text/font.h"

namespace {
struct CreditLine {
    int y;
    const char* text;
};
const CreditLine creditLines[] = {
    {0, "Credits"},
    {32, "Programming by The Tumblo team"},
    {48, "Graphics by The Tumblo team"},
    {64, "Music by The Tumblo team"},
    {80, "Sound effects by The Tumblo team"},
    {128, "Leveldesign:"},
    {160, "The Tumblo team"},
    {176, "and the stage solver"},
    {208, "Every picture, tune and stage made from text"},
};

Picture makeCredits() {
    Picture credits = Picture::create(320, 240);
    clearPicture(credits, transparentColour());
    for (const CreditLine& line : creditLines)
        gameFont.drawTextCentered(line.text, line.y, credits);
    return credits;
}

struct OutroPictures {
    Picture sun = loadBitmap("BITMAP\\GENERAL\\SUN.BMP");
    Picture sky = loadBitmap("BITMAP\\GENERAL\\SKY.BMP");
    Picture cliff = loadBitmap("BITMAP\\GENERAL\\CLIFF.BMP");
    Picture water = loadBitmap("BITMAP\\GENERAL\\WATER.BMP");
    Picture waves = loadBitmap("BITMAP\\GENERAL\\SUNSETWAVE.BMP");
    Picture credits = makeCredits();
};

void drawOutro(const OutroScene& scene, const OutroPictures& pictures,
               const AnimationPlayer& reflection) {
    const int horizon = (int)outroHorizon;
    // Whatever the pictures leave uncovered stays black.
    if (!pictures.water || !pictures.sky) clearPicture(backBuffer, colourOf(0, 0, 0));
    const Picture& water = pictures.water;
    const Picture& sky = pictures.sky;
    copyArea(water, backBuffer, 0, 0, 0, horizon, water.width(), water.height());
    copyArea(sky, backBuffer, 0, 0, 0, horizon - sky.height(), sky.width(), sky.height());
    reflection.draw((int)scene.waveX, horizon);
    const Picture& sun = pictures.sun;
    const Picture& cliff = pictures.cliff;
    drawMasked(sun, backBuffer, 0, 0, (int)scene.sunX, horizon - sun.height(), sun.width(),
               sun.height());
    drawMasked(cliff, backBuffer, 0, 0, (int)scene.cliffX, 240 - cliff.height(), cliff.width(),
               cliff.height());
    if (scene.fadeStarted) drawTranslucent(darkOverlay, backBuffer, 0, 0, (int)scene.fade);
    if (scene.closingLine) gameFont.drawTextCentered("Thank you for playing!", 108, backBuffer);
    drawMasked(pictures.credits, backBuffer, 0, 0, 0, (int)scene.creditsY, 320, 240);
    presentFrame();
}
} // namespace

void outro() {
    Animation sunset;
    sunset.load("DATA\\SUNSET.ANM");
    OutroPictures pictures;
    AnimationPlayer reflection;
    reflection.setup(&sunset, &pictures.waves, &backBuffer, outroWaveWidth, outroWaveHeight);
    reflection.play(0);
    Music tune;
    tune.load("MUSIC\\S.IT");
    tune.play();

    OutroScene scene;
    scene.start(pictures.sun.width(), pictures.cliff.width());
    bool done = false;
    while (!done && !quitRequested()) {
        while (gameTicks > 0) {
            done = scene.step(isKeyDown(bindings[Action::Back].key));
            reflection.update();
            if (done) break;
            gameTicks -= 1;
        }
        if (!done) drawOutro(scene, pictures, reflection);
    }
    fadeOut();
    sunset.release();
    tune.unload();
}
