#include "progress/ghost_format.h"

#include "progress/par_times.h"
#include "text/data_file.h"

#include <cmath>
#include <cstring>

namespace {
constexpr int hashLength = 16;

float readFloat(DataReader& in) {
    uint32_t bits = (uint32_t)readInt32(in);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void writeFloat(DataWriter& out, float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    writeInt32(out, (int32_t)bits);
}

bool isHash(const char* text) {
    if (std::strlen(text) != hashLength) return false;
    for (const char* c = text; *c; ++c)
        if (!((*c >= '0' && *c <= '9') || (*c >= 'a' && *c <= 'f'))) return false;
    return true;
}

bool isCoordinate(float value) {
    return std::isfinite(value) && std::fabs(value) <= maxGhostCoordinate;
}
} // namespace

bool readGhostFile(DataReader& in, GhostFile& out) {
    char magic[4];
    if (!in.readBytes(magic, sizeof magic) || std::memcmp(magic, ghostMagic, sizeof magic) != 0)
        return false;
    if (readInt32(in) != ghostVersion) return false;
    char mapFile[maxStringLength + 1], mapHash[maxStringLength + 1];
    readString(mapFile, in);
    readString(mapHash, in);
    int32_t clearTick = readInt32(in);
    int32_t count = readInt32(in);
    if (in.failed() || !*mapFile || !isHash(mapHash) || clearTick < 0 || clearTick > maxClearTick ||
        count < 1 || count > maxGhostSamples)
        return false;
    GhostFile ghost{mapFile, mapHash, clearTick, {}};
    ghost.samples.resize((size_t)count);
    for (GhostSample& s : ghost.samples) {
        s.x = readFloat(in);
        s.y = readFloat(in);
        s.column = readByte(in);
        s.row = readByte(in);
        if (in.failed() || !isCoordinate(s.x) || !isCoordinate(s.y)) return false;
    }
    out = std::move(ghost);
    return true;
}

void writeGhostFile(DataWriter& out, const GhostFile& ghost) {
    out.writeBytes(ghostMagic, sizeof ghostMagic);
    writeInt32(out, ghostVersion);
    writeString(out, ghost.mapFile.c_str());
    writeString(out, ghost.mapHash.c_str());
    writeInt32(out, ghost.clearTick);
    writeInt32(out, (int32_t)ghost.samples.size());
    for (const GhostSample& s : ghost.samples) {
        writeFloat(out, s.x);
        writeFloat(out, s.y);
        writeByte(out, s.column);
        writeByte(out, s.row);
    }
}
