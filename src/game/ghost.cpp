#include "game/ghost.h"

#include "game/ball.h"
#include "game/play_records.h"
#include "level/map.h"
#include "platform/display.h"
#include "progress/ghosts.h"
#include "progress/map_hash.h"

namespace {
constexpr int ghostAlpha = 128;

std::vector<GhostSample> recorded;
GhostFile racing;
bool racingAGhost = false;
} // namespace

void recordGhostSample() {
    int32_t tick = stageTicksElapsed() - 1;
    if (tick < 0) {
        recorded.clear();
        return;
    }
    if (tick >= maxGhostSamples || (size_t)tick > recorded.size()) return;
    GhostSample sample;
    int32_t column = ball.sprite.currentImage();
    if (ball.active && column >= 0 && column < ghostHidden && ball.sprite.frameHeight > 0) {
        sample.x = ball.x;
        sample.y = ball.y;
        sample.column = (uint8_t)column;
        sample.row = (uint8_t)(ball.sprite.sourceY / ball.sprite.frameHeight);
    }
    // While the ball dies the countdown stands: the same tick is written again.
    recorded.resize((size_t)tick);
    recorded.push_back(sample);
}

const std::vector<GhostSample>& recordedGhostPath() {
    return recorded;
}

bool saveRecordedGhost(const char* mapFile, const std::string& mapHash, int32_t clearTick) {
    if (clearTick < 0 || (size_t)clearTick >= recorded.size()) return false;
    GhostFile ghost{mapFile, mapHash, clearTick, {}};
    ghost.samples.assign(recorded.begin(), recorded.begin() + clearTick + 1);
    return saveGhost(ghost);
}

bool raceGhost(const char* mapFile) {
    stopGhost();
    std::string hash = mapFileHash(mapFile);
    if (hash.empty()) return false;
    racingAGhost = loadGhost(mapFile, hash, racing);
    return racingAGhost;
}

void stopGhost() {
    racing = GhostFile();
    racingAGhost = false;
}

const GhostSample* ghostSampleNow() {
    if (!racingAGhost) return nullptr;
    int32_t tick = stageTicksElapsed() - 1;
    if (tick < 0) tick = 0;
    if ((size_t)tick >= racing.samples.size()) return nullptr;
    const GhostSample& sample = racing.samples[(size_t)tick];
    return sample.column == ghostHidden ? nullptr : &sample;
}

void drawGhost() {
    const GhostSample* sample = ghostSampleNow();
    const AnimationPlayer& look = ball.sprite;
    if (!sample || !look.source || look.frameWidth <= 0 || look.frameHeight <= 0) return;
    // The frame alone, so that only it is mixed in.
    Picture frame = Picture::create(look.frameWidth, look.frameHeight);
    if (!frame) return;
    clearPicture(frame, transparentColour());
    copyArea(*look.source, frame, sample->column * look.frameWidth, sample->row * look.frameHeight,
             0, 0, look.frameWidth, look.frameHeight);
    drawTranslucent(frame, backBuffer, (int)(sample->x - (float)currentMap.cameraX),
                    (int)(sample->y - (float)currentMap.cameraY), ghostAlpha);
}
