#include "game/demo_format.h"

#include "text/data_file.h"

namespace {
bool readText(DataReader& in, std::string& out, int capacity) {
    char text[maxStringLength + 1];
    readString(text, in, capacity);
    out = text;
    return !in.failed();
}
} // namespace

bool readDemoHeader(DataReader& in, DemoHeader& out) {
    out.formatMark = readInt32(in);
    if (!readText(in, out.mapFile, demoMapFileCapacity)) return false;
    out.died = readInt32(in);
    if (!readText(in, out.title, demoTitleCapacity)) return false;
    if (!readText(in, out.clearTime, demoClearTimeCapacity)) return false;
    out.cups = readInt32(in);
    return !in.failed();
}

bool readDemoFile(DataReader& in, DemoFile& out) {
    if (!readDemoHeader(in, out.header)) return false;
    out.steering.clear();
    out.steering.reserve(demoSteeringTicks);
    uint8_t byte = 0;
    while ((int)out.steering.size() < demoSteeringTicks && in.readBytes(&byte, 1))
        out.steering.push_back(byte);
    return true;
}

void writeDemoFile(DataWriter& out, const DemoHeader& header, const uint8_t* steering,
                   size_t steeringLength) {
    writeInt32(out, header.formatMark);
    writeString(out, header.mapFile.c_str());
    writeInt32(out, header.died);
    writeString(out, header.title.c_str());
    writeString(out, header.clearTime.c_str());
    writeInt32(out, header.cups);
    std::vector<uint8_t> bytes(demoSteeringTicks, 0);
    for (size_t i = 0; i < steeringLength && i < bytes.size(); ++i)
        bytes[i] = steering[i];
    out.writeBytes(bytes.data(), bytes.size());
}
