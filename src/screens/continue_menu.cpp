#include "screens/continue_menu.h"

#include "platform/clock.h"
#include "progress/stage_set.h"
#include "progress/unlock_data.h"
#include "screens/item_menu.h"

namespace {
// The continue menu never looks past this many groups.
constexpr int groupScanLimit = 99;
} // namespace

int continuableGroups() {
    // A group past the end of the set has neither name nor stages, whatever
    // its unlock flag says.
    int limit = stageSet.groupCount < groupScanLimit ? stageSet.groupCount : groupScanLimit;
    int count = 0;
    while (count < limit && unlockData.groupUnlocked[count] != 0)
        ++count;
    return count;
}

int continueMenu() {
    fpsCounter.start();
    int count = continuableGroups();
    ItemMenu menu;
    for (int g = 0; g < count; ++g)
        menu.items.push_back(stageSet.groups[g].name);
    menu.items.push_back("Return");
    menu.backChoice = -1;
    menu.quitChoice = -1;
    int chosen = menu.run();
    return chosen >= 0 && chosen < count ? chosen : -1;
}
