#include "edit/check_command.h"
#include "edit/stage_check.h"
#include "edit/stage_file.h"

#include "platform/clock.h"
#include "platform/headless.h"

#include <cstdio>

int runCheckCommand(const char* stagePath, double budgetSeconds) {
    StageSource stage;
    std::vector<SourceFault> faults;
    if (!readStageFile(stagePath, stage, faults)) {
        std::printf("%s cannot be read\n", stagePath);
        return 2;
    }
    if (!faults.empty()) {
        for (const SourceFault& fault : faults)
            std::printf("%s:%d: %s\n", stagePath, fault.line, fault.message.c_str());
        return 2;
    }
    // Headless, the clock ticks as fast as the game asks for it.
    setFrameHook([]() { gameTicks += 1; });
    startGameTimer(ticksPerSecond);
    CheckOptions options;
    options.budgetSeconds = budgetSeconds;
    StageVerdict verdict = checkStage(stage, options);
    stopGameTimer();
    setFrameHook(nullptr);
    std::printf("%s\n", verdict.text.c_str());
    return verdict.kind == StageVerdict::Clears ? 0 : verdict.kind == StageVerdict::NoClear ? 1 : 2;
}
