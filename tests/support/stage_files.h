#pragma once

#include "level/map_format.h"

#include <cstdint>
#include <string>

// The shared pictures, animations and one-tile tileset ("TEST.TLS") that a
// stage needs, written into the working directory and loaded as at start-up.
void writeStageResources();

// The runway: a floor, the ball at its left, a cup lying on the way and the
// goal to its right, as DATA\RUNWAY.MAP named `name`, the one stage of
// DATA\DEFAULT.STG; with the stage resources.
void writeRunwayStage(const std::string& name = "Runway");

// The generated big stage of the benchmarks and of the collision index tests:
// 1024 x 256 cells holding 32768 blocks (ground, ledges, bounce blocks and
// turn markers), 512 treasures and 64 enemies, on "TEST.TLS". Holding right,
// the ball rolls, falls and bounces across the whole of it.
MapFile largeStage();

// A small stage made at random from `seed`, on "MIXED.TLS" (tiles of four
// sizes, written by writeMixedTileset): every kind of block (teleports inside
// the map), treasures, enemies of every kind walking and hopping.
MapFile randomStage(uint32_t seed);
void writeMixedTileset();
// Writes a demo of `map` steering at random (runs of left, right and nothing)
// for `ticks` ticks to `path`.
void writeRandomDemo(const std::string& path, const std::string& map, int ticks, uint32_t seed);

// Writes a demo of `map` (relative to DATA\) that steers right for `ticks`
// ticks to `path`.
void writeRightwardDemo(const std::string& path, const std::string& map, int ticks);

// The stage resources, the large stage as DATA\LARGE.MAP and LARGE.TDM steering
// right across it for `ticks` ticks.
void writeLargeStagePlay(int ticks);
