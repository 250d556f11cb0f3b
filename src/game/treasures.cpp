#include "game/treasures.h"

#include "game/actor_physics.h"
#include "game/play_records.h"
#include "level/map.h"
#include "level/particles.h"
#include "level/play_shown.h"
#include "text/text_utils.h"
#include "ui/sound_table.h"

#include <algorithm>
#include <vector>

namespace {
// Gold towards one extra life.
constexpr int32_t goldPerLife = 25;

void burst(const Bonus& bonus, int colour, bool falling) {
    if (!playShown) return; // pieces nobody sees, and their random numbers
    for (int i = 0; i < 25; ++i) {
        int x = randomBetween(bonus.x, bonus.x + 11);
        int y = randomBetween(bonus.y, bonus.y + 11);
        if (falling)
            spawnParticle(x, y, colour, (float)randomBetween(-3, 3), (float)-randomBetween(1, 4),
                          0.0f, (float)randomBetween(10, 100) * 0.01f, 60);
        else
            spawnParticle(x, y, colour, (float)randomBetween(-5, 5), (float)randomBetween(-5, 5),
                          60);
    }
}

void take(Bonus& bonus, const Actor& ball) {
    int yellow = colourOf(255, 255, 0);
    bonus.active = false;
    if (bonus.kind == 0) {
        sfxGold.play();
        playRecord.gold += 1;
        playRecord.treasuresThisStage += 1;
        playRecord.goldThisStage += 1;
        if (playRecord.gold == goldPerLife) {
            playRecord.gold = 0;
            playRecord.lives += 1;
            sfxLife.play();
            playState.oneUpShown = true;
            playState.oneUpAge = 0;
            playState.oneUpX = (int32_t)ball.x;
            playState.oneUpY = ball.y;
            burst(bonus, yellow, false);
        }
    } else {
        sfxCup.play();
        playRecord.cups += 1;
        playRecord.treasuresThisStage += 1;
        playRecord.cupThisStage = true;
    }
    burst(bonus, yellow, true);
}

bool meets(const Actor& ball, const Bonus& bonus) {
    int x, y;
    worldRect(ball.hullBox, ball, x, y);
    // The pick-up box is as high as the treasure's picture.
    int height = bonus.image ? bonus.image->height() : 0;
    return rectsOverlap(x, y, ball.hullBox.width, ball.hullBox.height, bonus.x, bonus.y, 16,
                        height);
}
} // namespace

void pickBonuses(Actor& ball) {
    if (bruteForceCollision) {
        for (int32_t i = 0; i < currentMap.bonusCount; ++i)
            if (currentMap.bonuses[i].active && meets(ball, currentMap.bonuses[i]))
                take(currentMap.bonuses[i], ball);
        return;
    }
    static std::vector<int32_t> met;
    met.clear();
    int x, y;
    worldRect(ball.hullBox, ball, x, y);
    currentMap.bonusIndex.forEachMeeting(
        {x, y, x + ball.hullBox.width, y + ball.hullBox.height}, [&](int32_t i, const IndexBox&) {
            if (currentMap.bonuses[i].active && meets(ball, currentMap.bonuses[i]))
                met.push_back(i);
        });
    // Taken in their order, as the literal rules take them.
    std::sort(met.begin(), met.end());
    for (int32_t i : met)
        take(currentMap.bonuses[i], ball);
}
