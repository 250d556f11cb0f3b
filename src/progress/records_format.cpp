#include "progress/records_format.h"

#include "progress/par_times.h"
#include "text/text_lines.h"
#include "text/text_utils.h"

namespace {
bool isHexDigits(const std::string& text, size_t length) {
    if (text.size() != length) return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

void formatRecord(std::string& text, const char* kind, const StageRecord& r,
                  const std::string& mapFile) {
    if (!r.set()) return;
    text += std::string(kind) + " " + std::to_string(r.tick) + " " + r.date + " " + r.mapHash +
            " " + mapFile + "\n";
}
} // namespace

bool isRecordDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < '0' || text[i] > '9') return false;
    return true;
}

StageRecords RecordsFile::of(const std::string& mapFile) const {
    for (const auto& [name, records] : stages)
        if (equalsIgnoreCase(name.c_str(), mapFile.c_str())) return records;
    return {};
}

StageRecords& RecordsFile::at(const std::string& mapFile) {
    for (auto& [name, records] : stages)
        if (equalsIgnoreCase(name.c_str(), mapFile.c_str())) return records;
    return stages[mapFile];
}

RecordsFile parseRecords(const std::string& text, const std::string& name,
                         std::vector<std::string>& problems) {
    RecordsFile records;
    for (const TextLine& line : meaningfulLines(text)) {
        std::vector<std::string> words;
        std::string mapFile;
        long tick = 0;
        bool read = splitLeadingWords(line.text, 4, words, mapFile);
        if (!read || (words[0] != "best" && words[0] != "cup") ||
            !parseWholeNumber(words[1], 0, maxClearTick, tick) || !isRecordDate(words[2]) ||
            !isHexDigits(words[3], 16) || mapFile.size() > 79) {
            problems.push_back(name + " line " + std::to_string(line.number) +
                               ": not \"best|cup TICK DATE HASH MAPFILE\"");
            continue;
        }
        StageRecords& stage = records.at(mapFile);
        (words[0] == "best" ? stage.best : stage.cup) = {(int32_t)tick, words[2], words[3]};
    }
    return records;
}

std::string formatRecords(const RecordsFile& records, const std::string& setFileName) {
    std::string text = "# Tumblo's best times on " + setFileName +
                       ": best or cup (the best clear with the cup), the clear\n"
                       "# tick, the day, the hash of the map file then, the map file.\n";
    for (const auto& [mapFile, stage] : records.stages) {
        formatRecord(text, "best", stage.best, mapFile);
        formatRecord(text, "cup", stage.cup, mapFile);
    }
    return text;
}
