#pragma once

#include "game/demo_format.h"

#include <cstdint>
#include <string>

// Demo recording and playback: the steering of every tick of a training run,
// saved with a small header into "DEMOS\<name>.TDM", and played back through
// the same game loop.

// Room for more than 20 minutes of ticks: longer than any stage's time limit
// plus its death. A recording stops storing at the end; playback past it
// steers nothing.
constexpr int32_t steeringCapacity = 74500;
extern uint8_t demoSteering[steeringCapacity];

// The steering stored for a tick, 0 past the buffer.
uint8_t steeringAt(int32_t tick);
// Stores a recorded tick's steering (nothing past the buffer).
void recordSteering(int32_t tick, uint8_t steering);
// Empties the buffer, so that a new recording carries nothing of the demo
// played before it past its own end.
void clearSteering();

// What the demo browser lists of a demo.
struct DemoInfo {
    char title[demoTitleCapacity] = {};
    char clearTime[demoClearTimeCapacity] = {};
    bool cupTaken = false; // exactly one cup
    int32_t died = 0;
};

// Reads the header of a demo; false (without a message) when it cannot be read.
bool readDemoInfo(const char* gamePath, DemoInfo& info);
// Reads a demo for playback into `currentMapFile`, the map's name and clear
// time, and the steering buffer (a short file leaves the rest of the buffer as
// it was). On failure shows "Unable to open " and the path.
bool loadDemo(const char* gamePath);
// The same from a reader already open (the companion tool); `name` is what the
// message shows.
bool loadDemoFrom(DataReader& in, const char* name);
// Takes a demo already read for playback.
void useDemo(const DemoFile& demo);

// The clear time of a single-stage run, "0M:SS:HH", with " (100%)" when every
// treasure was taken, into the map's time text.
void makeClearTimeText();

// Asks for a name and saves the recorded run under it; died is 1 after the
// ball's death, 0 after the stage clear. ESC or an empty name saves nothing.
void saveDemoDialog(int32_t died);
// Writes the recorded run as "DEMOS\" + name + ".TDM"; false when it could not
// be written whole (the old file, if any, stays).
bool writeRecordedDemo(const char* name, int32_t died);
