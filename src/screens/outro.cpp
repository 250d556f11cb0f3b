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

#include <allegro.h>

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

BITMAP* makeCredits() {
    BITMAP* credits = create_bitmap(320, 240);
    if (!credits) return nullptr;
    clear_to_color(credits, makecol(255, 0, 255));
    for (const CreditLine& line : creditLines)
        gameFont.drawTextCentered(line.text, line.y, credits);
    return credits;
}

int widthOf(BITMAP* bitmap) {
    return bitmap ? bitmap->w : 0;
}

struct OutroPictures {
    BITMAP* sun = loadBitmap("BITMAP\\GENERAL\\SUN.BMP");
    BITMAP* sky = loadBitmap("BITMAP\\GENERAL\\SKY.BMP");
    BITMAP* cliff = loadBitmap("BITMAP\\GENERAL\\CLIFF.BMP");
    BITMAP* water = loadBitmap("BITMAP\\GENERAL\\WATER.BMP");
    BITMAP* waves = loadBitmap("BITMAP\\GENERAL\\SUNSETWAVE.BMP");
    BITMAP* credits = makeCredits();

    ~OutroPictures() {
        for (BITMAP** picture : {&sun, &sky, &cliff, &water, &waves, &credits})
            destroyBitmap(*picture);
    }
};

void drawOutro(const OutroScene& scene, const OutroPictures& pictures,
               const AnimationPlayer& reflection) {
    const int horizon = (int)outroHorizon;
    // Whatever the pictures leave uncovered stays black.
    if (!pictures.water || !pictures.sky) clear_to_color(backBuffer, makecol(0, 0, 0));
    if (pictures.water)
        blit(pictures.water, backBuffer, 0, 0, 0, horizon, pictures.water->w, pictures.water->h);
    if (pictures.sky)
        blit(pictures.sky, backBuffer, 0, 0, 0, horizon - pictures.sky->h, pictures.sky->w,
             pictures.sky->h);
    reflection.draw((int)scene.waveX, horizon);
    if (pictures.sun)
        masked_blit(pictures.sun, backBuffer, 0, 0, (int)scene.sunX, horizon - pictures.sun->h,
                    pictures.sun->w, pictures.sun->h);
    if (pictures.cliff)
        masked_blit(pictures.cliff, backBuffer, 0, 0, (int)scene.cliffX, 240 - pictures.cliff->h,
                    pictures.cliff->w, pictures.cliff->h);
    if (scene.fadeStarted && darkOverlay) {
        set_trans_blender(255, 255, 255, (int)scene.fade);
        draw_trans_sprite(backBuffer, darkOverlay, 0, 0);
    }
    if (scene.closingLine) gameFont.drawTextCentered("Thank you for playing!", 108, backBuffer);
    if (pictures.credits)
        masked_blit(pictures.credits, backBuffer, 0, 0, 0, (int)scene.creditsY, 320, 240);
    presentFrame();
}
} // namespace

void outro() {
    Animation sunset;
    sunset.load("DATA\\SUNSET.ANM");
    OutroPictures pictures;
    AnimationPlayer reflection;
    reflection.setup(&sunset, pictures.waves, backBuffer, outroWaveWidth, outroWaveHeight);
    reflection.play(0);
    Music tune;
    tune.load("MUSIC\\S.IT");
    tune.play();

    OutroScene scene;
    scene.start(widthOf(pictures.sun), widthOf(pictures.cliff));
    bool done = false;
    while (!done && !quitRequested()) {
        while (gameTicks > 0) {
            done = scene.step(isKeyDown(KEY_ESC));
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
