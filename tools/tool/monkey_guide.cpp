#include "tool/monkey_guide.h"

#include "game/demo_format.h"
#include "text/data_file.h"

#include <cctype>
#include <filesystem>

std::string MonkeyGuide::keyOf(const char* mapFile) {
    std::string key = mapFile;
    for (char& c : key)
        c = (char)std::toupper((unsigned char)c);
    return key;
}

int MonkeyGuide::load(const std::string& folder) {
    std::error_code error;
    int taken = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::string name = keyOf(entry.path().filename().c_str());
        if (name.size() < 4 || name.substr(name.size() - 4) != ".TDM") continue;
        DataReader in;
        DemoFile demo;
        if (!in.openSystemPath(entry.path().string()) || !readDemoFile(in, demo)) continue;
        steeringByMap[keyOf(demo.header.mapFile.c_str())] = demo.steering;
        ++taken;
    }
    return taken;
}

bool MonkeyGuide::knows(const char* mapFile) const {
    return steeringByMap.count(keyOf(mapFile)) > 0;
}

uint8_t MonkeyGuide::steering(const char* mapFile, int32_t tick) const {
    auto found = steeringByMap.find(keyOf(mapFile));
    if (found == steeringByMap.end() || tick < 0 || (size_t)tick >= found->second.size())
        return steerNone;
    return found->second[(size_t)tick];
}
