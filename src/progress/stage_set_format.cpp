#include "progress/stage_set_format.h"

#include "text/data_file.h"

namespace {
std::string readText(DataReader& in, int capacity = maxStringLength + 1) {
    char text[maxStringLength + 1];
    readString(text, in, capacity);
    return text;
}
} // namespace

int32_t StageSetFile::stageCount() const {
    int32_t count = 0;
    for (const StageSetFileGroup& g : groups)
        count += (int32_t)g.stages.size();
    return count;
}

bool readStageSetHeader(DataReader& in, StageSetHeader& out) {
    out.stageCount = readInt32(in);
    out.title = readText(in);
    out.author = readText(in);
    return !in.failed() && out.stageCount >= 0 && out.stageCount <= maxStages;
}

bool readStageSetFile(DataReader& in, StageSetFile& out) {
    StageSetHeader header;
    if (!readStageSetHeader(in, header)) return false;
    out.title = header.title;
    out.author = header.author;
    int32_t groupCount = readInt32(in);
    if (in.failed() || groupCount < 0 || groupCount > maxGroups) return false;
    out.groups.assign((size_t)groupCount, {});
    int32_t stages = 0;
    for (StageSetFileGroup& group : out.groups) {
        group.name = readText(in, groupNameCapacity);
        int32_t count = readInt32(in);
        if (in.failed() || count < 0 || count > header.stageCount - stages) return false;
        for (int32_t i = 0; i < count; ++i)
            group.stages.push_back(readText(in));
        if (in.failed()) return false;
        stages += count;
    }
    // Everything else takes stageCount as the number of stages, so the groups
    // must account for every one of them.
    return stages == header.stageCount;
}

void writeStageSetFile(DataWriter& out, const StageSetFile& set) {
    writeInt32(out, set.stageCount());
    writeString(out, set.title.c_str());
    writeString(out, set.author.c_str());
    writeInt32(out, (int32_t)set.groups.size());
    for (const StageSetFileGroup& group : set.groups) {
        writeString(out, group.name.c_str());
        writeInt32(out, (int32_t)group.stages.size());
        for (const std::string& stage : group.stages)
            writeString(out, stage.c_str());
    }
}
