#include "progress/records.h"

#include "platform/log.h"
#include "text/text_lines.h"

#include <ctime>

namespace {
// Two lines for each of 99 stages come nowhere near; anything larger is not
// such a file.
constexpr long maxRecordsBytes = 256 * 1024;

bool beats(const StageRecord& record, const std::string& mapHash, int32_t clearTick) {
    return !record.set() || isOldVersion(record, mapHash) || clearTick < record.tick;
}
} // namespace

std::string recordsPath(const char* setFileName) {
    std::string stem = setFileName ? setFileName : "";
    size_t dot = stem.find_last_of('.');
    if (dot != std::string::npos && dot > 0) stem.resize(dot);
    return "records\\" + stem + ".txt";
}

RecordsFile loadRecords(const char* setFileName) {
    std::string path = recordsPath(setFileName);
    std::string text;
    if (!readTextFile(path.c_str(), maxRecordsBytes, text)) return {};
    std::vector<std::string> problems;
    std::string name = path.substr(path.find('\\') + 1);
    RecordsFile records = parseRecords(text, printable(name, 40), problems);
    logProblems(problems, name.c_str());
    return records;
}

bool saveRecords(const char* setFileName, const RecordsFile& records) {
    std::string path = recordsPath(setFileName);
    if (writeTextFile(path.c_str(),
                      formatRecords(records, printable(setFileName ? setFileName : "", 79))))
        return true;
    gameLog.write(("Unable to save " + path).c_str());
    return false;
}

ClearBooking bookClear(RecordsFile& records, const std::string& mapFile, const std::string& mapHash,
                       int32_t clearTick, bool cupTaken, const std::string& date) {
    ClearBooking booking;
    StageRecords& stage = records.at(mapFile);
    const StageRecord clear{clearTick, date, mapHash};
    if (beats(stage.best, mapHash, clearTick)) {
        stage.best = clear;
        booking.newBest = true;
    }
    if (cupTaken && beats(stage.cup, mapHash, clearTick)) {
        stage.cup = clear;
        booking.newCupBest = true;
    }
    return booking;
}

bool isOldVersion(const StageRecord& record, const std::string& currentHash) {
    return record.set() && record.mapHash != currentHash;
}

std::string todayDate() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[16] = "1970-01-01";
    if (localtime_r(&now, &local)) std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}
