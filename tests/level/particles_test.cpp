#include "level/map.h"
#include "level/particles.h"
#include "platform/display.h"
#include "support/test_env.h"

#include <gtest/gtest.h>

namespace {
class ParticlesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureHeadless();
        clearParticles();
        currentMap.cameraX = currentMap.cameraY = 0;
    }
    void TearDown() override { clearParticles(); }

    static int activeCount() {
        int n = 0;
        for (const Particle& p : particles)
            n += p.active;
        return n;
    }
};
} // namespace

TEST_F(ParticlesTest, MovesWithTheOldVelocityThenAccelerates) {
    spawnParticle(10, 20, 5, 1.0f, -2.0f, 0.0f, 0.5f, 10);
    const Particle& p = particles[0];
    updateParticles();
    EXPECT_FLOAT_EQ(p.x, 11);
    EXPECT_FLOAT_EQ(p.y, 18);
    EXPECT_FLOAT_EQ(p.vx, 1);
    EXPECT_FLOAT_EQ(p.vy, -1.5f);
    updateParticles();
    EXPECT_FLOAT_EQ(p.x, 12);
    EXPECT_FLOAT_EQ(p.y, 16.5f);
    EXPECT_EQ(p.life, 8);
}

TEST_F(ParticlesTest, SpawnsIntoTheFirstFreeSlotAndDropsWhenFull) {
    spawnParticle(0, 0, 1, 0.0f, 0.0f, 5);
    spawnParticle(0, 0, 2, 0.5f, 0.0f, 5);
    EXPECT_FLOAT_EQ(particles[0].vx, 1); // no axis stands still at birth
    EXPECT_FLOAT_EQ(particles[0].vy, 1);
    EXPECT_FLOAT_EQ(particles[1].vx, 0.5f);
    particles[0].active = false;
    spawnParticle(0, 0, 3, 1.0f, 1.0f, 5);
    EXPECT_EQ(particles[0].colour, 3);

    for (int i = 0; i < particleCount; ++i)
        spawnParticle(i, 0, 4, 1.0f, 1.0f, 5);
    EXPECT_EQ(activeCount(), particleCount);
    Particle before = particles[249];
    spawnParticle(99, 99, 9, 1.0f, 1.0f, 5);
    EXPECT_EQ(particles[249].colour, before.colour);
    EXPECT_FLOAT_EQ(particles[249].x, before.x);
    clearParticles();
    EXPECT_EQ(activeCount(), 0);
}
