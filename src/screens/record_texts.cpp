#include "screens/record_texts.h"

#include "progress/clear_time.h"

const char* medalIcon(Medal medal) {
    return medal == Medal::Gold     ? "$g"
           : medal == Medal::Silver ? "$s"
           : medal == Medal::Bronze ? "$b"
                                    : "";
}

namespace {
// The cup's record where it belongs with the best: of the same version.
bool cupShown(const StageStanding& s) {
    return s.records.cup.set() && s.cupIsOld == s.bestIsOld;
}
} // namespace

std::string recordsLine(const StageStanding& s) {
    std::string line;
    if (!s.records.best.set()) {
        line = "Not cleared yet";
    } else {
        line = "Best " + clearTickText(s.records.best.tick);
        if (s.bestIsOld) line += " (old version)";
        if (cupShown(s)) line += "  $A " + clearTickText(s.records.cup.tick);
    }
    if (s.parTick >= 0) line += "  Par " + clearTickText(s.parTick);
    if (s.medal != Medal::None)
        line += std::string("  ") + medalIcon(s.medal) + " " + medalName(s.medal);
    return line;
}

std::string recordsDescription(const StageStanding& s) {
    std::string text = recordsLine(s);
    if (!s.records.best.set()) return text;
    text += "\nCleared " + s.records.best.date;
    if (cupShown(s)) text += "  $A " + s.records.cup.date;
    if (s.records.cup.set() && !cupShown(s))
        text += "\n$A " + clearTickText(s.records.cup.tick) + " (old version)";
    return text;
}
