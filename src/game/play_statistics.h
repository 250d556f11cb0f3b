#pragma once

#include "progress/statistics.h"

// The lifetime counters that play keeps, counted only while the run records
// statistics (a watched demo does not).
void countLifeLost(DeathCause cause);
void countPlaySecond();
