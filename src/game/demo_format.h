#pragma once

// The demo file ("DEMOS\<name>.TDM"): one recorded run on one stage, binary,
// little-endian. The only place that spells out its fields:
//
//   format mark (always 1), map file (relative to "DATA\"), died (1: the ball
//   died, 0: the stage was cleared), stage title, clear time (texts), cups taken,
//   then the steering of the first 9001 ticks, one byte each.

#include <cstdint>
#include <string>
#include <vector>

class DataReader;
class DataWriter;

constexpr int32_t demoFormatMark = 1;
// Ticks a demo file carries: a little over 2.5 minutes.
constexpr int demoSteeringTicks = 9001;
// Capacities (terminator included) of the texts as the game keeps them.
constexpr int demoMapFileCapacity = 80;
constexpr int demoTitleCapacity = 40;
constexpr int demoClearTimeCapacity = 20;

// One byte per tick: what the recorded player steered.
enum Steering : uint8_t { steerNone = 0, steerLeft = 1, steerRight = 2 };

struct DemoHeader {
    int32_t formatMark = demoFormatMark;
    std::string mapFile;
    int32_t died = 0;
    std::string title;
    std::string clearTime;
    int32_t cups = 0;
};

struct DemoFile {
    DemoHeader header;
    // The steering the file holds: demoSteeringTicks bytes, fewer when it is cut.
    std::vector<uint8_t> steering;
};

// False when the header is short or a text does not fit its capacity. The
// format mark is not checked.
bool readDemoHeader(DataReader& in, DemoHeader& out);
// The header and as much steering as the file holds (up to demoSteeringTicks);
// false only when the header cannot be read.
bool readDemoFile(DataReader& in, DemoFile& out);
// Writes the header and exactly demoSteeringTicks steering bytes: the first ones
// of `steering`, zeros where it is shorter.
void writeDemoFile(DataWriter& out, const DemoHeader& header, const uint8_t* steering,
                   size_t steeringLength);
