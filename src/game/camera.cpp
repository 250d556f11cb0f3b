#include "game/camera.h"

#include "game/ball.h"
#include "level/map.h"
#include "level/particles.h"
#include "level/play_shown.h"

namespace {
// The lower bound is tested first; the upper one only when the value is not
// negative, so a map smaller than the view keeps its camera at 0.
int32_t clampToMap(int32_t camera, int32_t cells, int32_t viewCells) {
    if (camera < 0) return 0;
    int32_t last = (cells - viewCells) * 16;
    return camera > last ? last : camera;
}
} // namespace

void updateMap() {
    Map& m = currentMap;
    if (!m.lockCameraX) m.cameraX = (int32_t)(ball.x - 160.0f);
    if (!m.lockCameraY) m.cameraY = (int32_t)(ball.y - 120.0f);
    m.cameraX = clampToMap(m.cameraX, m.width, 20);
    m.cameraY = clampToMap(m.cameraY, m.height, 15);
    if (!playShown) return;
    // Only sprites that play can change; a sprite stopped stays stopped until
    // the stage starts again.
    for (int32_t i : m.animatedBlocks)
        m.blocks[i].sprite.update();
    for (int32_t i = 0; i < m.bonusCount; ++i)
        m.bonuses[i].sprite.update(); // taken or not
    updateParticles();
}

void lockCamera() {
    currentMap.cameraLocked = currentMap.lockCameraX = currentMap.lockCameraY = true;
}

void unlockCamera() {
    currentMap.cameraLocked = currentMap.lockCameraX = currentMap.lockCameraY = false;
}

void scrollCamera(int dx, int dy) {
    currentMap.cameraX += dx;
    currentMap.cameraY += dy;
}
