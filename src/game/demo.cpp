#include "game/demo.h"

#include "game/play_records.h"
#include "level/map.h"
#include "platform/log.h"
#include "progress/clear_time.h"
#include "text/data_file.h"
#include "text/text_pool.h"
#include "text/text_utils.h"
#include "ui/message_screen.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>

uint8_t demoSteering[steeringCapacity] = {};

uint8_t steeringAt(int32_t tick) {
    return tick >= 0 && tick < steeringCapacity ? demoSteering[tick] : (uint8_t)steerNone;
}

void recordSteering(int32_t tick, uint8_t steering) {
    if (tick >= 0 && tick < steeringCapacity) demoSteering[tick] = steering;
}

void clearSteering() {
    std::fill(std::begin(demoSteering), std::end(demoSteering), (uint8_t)steerNone);
}

bool readDemoInfo(const char* gamePath, DemoInfo& info) {
    DataReader in;
    DemoHeader header;
    if (!in.open(gamePath) || !readDemoHeader(in, header)) return false;
    info = DemoInfo();
    copyText(info.title, header.title.c_str(), demoTitleCapacity);
    copyText(info.clearTime, header.clearTime.c_str(), demoClearTimeCapacity);
    info.cupTaken = header.cups == 1;
    info.died = header.died;
    return true;
}

bool loadDemoFrom(DataReader& in, const char* name) {
    DemoFile demo;
    if (!in.isOpen() || !readDemoFile(in, demo)) {
        showMessage("Error", joinText("Unable to open ", name));
        return false;
    }
    useDemo(demo);
    return true;
}

void useDemo(const DemoFile& demo) {
    copyText(currentMapFile, demo.header.mapFile.c_str(), mapFileCapacity);
    copyText(currentMap.name, demo.header.title.c_str(), sizeof currentMap.name);
    copyText(currentMap.timeText, demo.header.clearTime.c_str(), sizeof currentMap.timeText);
    for (size_t t = 0; t < demo.steering.size(); ++t)
        demoSteering[t] = demo.steering[t];
}

bool loadDemo(const char* gamePath) {
    DataReader in;
    in.open(gamePath);
    return loadDemoFrom(in, gamePath);
}

void makeClearTimeText() {
    std::string text =
        clearTimeText(currentMap.timeLimit - playRecord.timeLeft, playRecord.secondTicks);
    if (playRecord.treasuresThisStage == currentMap.bonusCount) text += " (100%)";
    copyText(currentMap.timeText, text.c_str(), sizeof currentMap.timeText);
}

bool writeRecordedDemo(const char* name, int32_t died) {
    DemoHeader header;
    header.mapFile = currentMapFile;
    header.died = died;
    header.title = currentMap.name;
    header.clearTime = currentMap.timeText;
    header.cups = playRecord.cups;
    DataWriter out;
    if (!out.open(joinText("DEMOS\\", name, ".TDM"))) return false;
    writeDemoFile(out, header, demoSteering, demoSteeringTicks);
    return out.commit();
}
