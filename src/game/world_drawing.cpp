#include "game/world_drawing.h"

#include "game/ball.h"
#include "game/ghost.h"
#include "level/map.h"
#include "level/particles.h"
#include "platform/display.h"

namespace {
void drawBody(const Actor& body) {
    if (body.active)
        body.sprite.draw((int)(body.x - (float)currentMap.cameraX),
                         (int)(body.y - (float)currentMap.cameraY));
}
} // namespace

void drawMap() {
    const Map& m = currentMap;
    if (m.background) copyArea(m.background, backBuffer, m.cameraX / 4, 0, 0, 0, 320, 240);
    // Drawing a strip clipped off-screen costs nothing, but a big map has many
    // blocks: skip those wholly outside the view.
    for (int32_t i = 0; i < m.blockCount; ++i) {
        const BlockData& b = m.blocks[i];
        int x = b.surfaceRect.x - m.cameraX, y = b.surfaceRect.y - m.cameraY;
        if (x >= 320 || y >= 240 || x + b.sprite.frameWidth <= 0 || y + b.sprite.frameHeight <= 0)
            continue;
        b.sprite.draw(x, y);
    }
    for (int32_t i = 0; i < m.bonusCount; ++i) {
        const Bonus& b = m.bonuses[i];
        if (b.active) b.sprite.draw(b.x - m.cameraX, b.y - m.cameraY);
    }
    drawGhost(); // under the ball, which it races
    drawBody(ball);
    for (int32_t i = 0; i < enemyCount; ++i)
        drawBody(enemies[i]);
    drawParticles();
}
