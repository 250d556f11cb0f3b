#include "game/play_snapshot.h"

#include "game/ball.h"
#include "game/play_records.h"
#include "level/map.h"

#include <cstring>
#include <type_traits>

namespace {
// The run as a whole: the ball (all of it: it is one), the camera, the records.
struct RunPart {
    Actor ball;
    int32_t cameraX, cameraY;
    bool cameraLocked, lockCameraX, lockCameraY;
    PlayRecord record;
    PlayState state;
    PlayMode mode;
    int32_t demoTickIndex;
    int32_t recordCooldown;
    int32_t clearsThisRun;
    bool quitFlag;
    bool stageClearedFlag;
    LoopState loop;
};

// What play changes of an enemy; the rest of it is its make-up, which the map
// gives and nothing changes.
struct EnemyPart {
    float x, y, fallSpeed, riseSpeed, velocityX;
    int32_t direction, lastMarker;
    bool falling, rising, onGround, active;
};

static_assert(std::is_trivially_copyable_v<RunPart> && std::is_trivially_copyable_v<EnemyPart>);

size_t enemiesAt() {
    return sizeof(RunPart);
}
// Treasures: one bit each, lying or taken.
size_t treasuresAt() {
    return enemiesAt() + sizeof(EnemyPart) * (size_t)enemyCount;
}
} // namespace

size_t snapshotSize() {
    return treasuresAt() + ((size_t)currentMap.bonusCount + 7) / 8;
}

void takeSnapshot(const PlayRun& run, uint8_t* out) {
    RunPart r{ball,
              currentMap.cameraX,
              currentMap.cameraY,
              currentMap.cameraLocked,
              currentMap.lockCameraX,
              currentMap.lockCameraY,
              playRecord,
              playState,
              playMode,
              demoTickIndex,
              recordCooldown,
              clearsThisRun,
              quitFlag,
              stageClearedFlag,
              run.loop};
    std::memcpy(out, &r, sizeof r);
    auto* parts = out + enemiesAt();
    for (int32_t i = 0; i < enemyCount; ++i) {
        const Enemy& e = enemies[i];
        EnemyPart p{e.x,          e.y,       e.fallSpeed, e.riseSpeed, e.velocityX, e.direction,
                    e.lastMarker, e.falling, e.rising,    e.onGround,  e.active};
        std::memcpy(parts + sizeof p * (size_t)i, &p, sizeof p);
    }
    uint8_t* bits = out + treasuresAt();
    std::memset(bits, 0, ((size_t)currentMap.bonusCount + 7) / 8);
    for (int32_t i = 0; i < currentMap.bonusCount; ++i)
        if (currentMap.bonuses[i].active) bits[i / 8] |= (uint8_t)(1u << (i % 8));
}

void restoreSnapshot(const uint8_t* in, PlayRun& run) {
    RunPart r;
    std::memcpy(&r, in, sizeof r);
    // What the ball learnt of the map stays true wherever it is put back.
    MapMemo memo = ball.memo;
    ball = r.ball;
    ball.memo = memo;
    currentMap.cameraX = r.cameraX;
    currentMap.cameraY = r.cameraY;
    currentMap.cameraLocked = r.cameraLocked;
    currentMap.lockCameraX = r.lockCameraX;
    currentMap.lockCameraY = r.lockCameraY;
    playRecord = r.record;
    playState = r.state;
    playMode = r.mode;
    demoTickIndex = r.demoTickIndex;
    recordCooldown = r.recordCooldown;
    clearsThisRun = r.clearsThisRun;
    quitFlag = r.quitFlag;
    stageClearedFlag = r.stageClearedFlag;
    run.loop = r.loop;
    const uint8_t* parts = in + enemiesAt();
    for (int32_t i = 0; i < enemyCount; ++i) {
        EnemyPart p;
        std::memcpy(&p, parts + sizeof p * (size_t)i, sizeof p);
        Enemy& e = enemies[i];
        e.x = p.x;
        e.y = p.y;
        e.fallSpeed = p.fallSpeed;
        e.riseSpeed = p.riseSpeed;
        e.velocityX = p.velocityX;
        e.direction = p.direction;
        e.lastMarker = p.lastMarker;
        e.falling = p.falling;
        e.rising = p.rising;
        e.onGround = p.onGround;
        e.active = p.active;
    }
    const uint8_t* bits = in + treasuresAt();
    for (int32_t i = 0; i < currentMap.bonusCount; ++i)
        currentMap.bonuses[i].active = (bits[i / 8] >> (i % 8)) & 1;
}

PlaySnapshot takeSnapshot(const PlayRun& run) {
    PlaySnapshot s;
    s.bytes.resize(snapshotSize());
    takeSnapshot(run, s.bytes.data());
    return s;
}

void restoreSnapshot(const PlaySnapshot& snapshot, PlayRun& run) {
    restoreSnapshot(snapshot.bytes.data(), run);
}
