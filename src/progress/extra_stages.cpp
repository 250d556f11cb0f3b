#include "progress/extra_stages.h"

#include "platform/log.h"
#include "progress/stage_set.h"
#include "progress/statistics.h"
#include "text/data_file.h"
#include "text/text_utils.h"
#include "ui/message_screen.h"

#include <vector>

bool extraStagesEarned(int cupsThisGame) {
    return statistics.gamesCleared == 0 && equalsIgnoreCase(stageSet.fileName, "DEFAULT.STG") &&
           cupsThisGame == stageSet.stageCount;
}

bool recordSetCleared(int cupsThisGame, void (*announce)()) {
    bool earned = extraStagesEarned(cupsThisGame);
    if (earned) {
        statistics.extraStagesUnlocked = 1;
        if (announce) announce();
    }
    statistics.countGameCleared();
    return earned;
}

namespace {
bool reportCopyFailure() {
    gameLog.write("Unable to copy the extra stages");
    showMessage("Error", "Unable to copy the extra stages");
    return false;
}
} // namespace

bool copyExtraStages() {
    DataReader in;
    long size = in.open("data\\tumblodata.dat") ? in.size() : -1;
    std::vector<char> bytes(size > 0 ? (size_t)size : 0);
    if (size < 0 || !in.readBytes(bytes.data(), bytes.size())) return reportCopyFailure();
    DataWriter out;
    if (out.open("data\\extra.stg") && out.writeBytes(bytes.data(), bytes.size()) && out.commit())
        return true;
    return reportCopyFailure();
}

void restoreExtraStages() {
    if (statistics.extraStagesUnlocked != 1) return;
    DataReader copy;
    if (!copy.open("data\\extra.stg")) copyExtraStages();
}
