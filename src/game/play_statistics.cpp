#include "game/play_statistics.h"

#include "game/play_records.h"

void countLifeLost(DeathCause cause) {
    if (recordStats) statistics.countLifeLost(cause);
}

void countPlaySecond() {
    if (recordStats) statistics.countPlaySecond();
}
