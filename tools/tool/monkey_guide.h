#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// What lets the monkey now and then play a stage as one who knows the way: the
// steering of the solution demos, by map. Random keys alone seldom clear a
// stage, and never a whole set with every cup, so without it the monkey would
// never see the "Unlocked" banner, the extra stages or the outro.
class MonkeyGuide {
public:
    // Reads every demo (*.TDM) of a folder; returns how many it took.
    int load(const std::string& folder);
    bool knows(const char* mapFile) const;
    // The steering (a Steering value) of tick `tick` on the stage of `mapFile`.
    uint8_t steering(const char* mapFile, int32_t tick) const;

private:
    static std::string keyOf(const char* mapFile);
    std::map<std::string, std::vector<uint8_t>> steeringByMap;
};
