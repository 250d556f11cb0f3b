#include "tool/written_files.h"

#include "game/demo_format.h"
#include "platform/paths.h"
#include "progress/ghost_format.h"
#include "progress/options.h"
#include "progress/records_format.h"
#include "progress/settings.h"
#include "progress/stage_set_format.h"
#include "progress/statistics.h"
#include "progress/unlock_data.h"
#include "text/data_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {
// A reader that took everything it needed must stand at the end of the file.
bool atEnd(DataReader& in) {
    uint8_t extra;
    return !in.failed() && !in.readBytes(&extra, 1);
}

std::string bytesOf(const std::string& gamePath) {
    std::ifstream in(resolvePath(gamePath.c_str()), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Reads one file with `read` (false: it does not load); a file that is not
// there is fine, since the game has not written it yet.
template <typename Read> std::string check(const std::string& gamePath, int& checked, Read read) {
    DataReader in;
    if (!in.open(gamePath.c_str())) return "";
    ++checked;
    if (!read(in) || !atEnd(in)) return gamePath + " does not load";
    return "";
}

std::string checkUnlockFile(const std::string& name, int& checked) {
    // The counts come from the set the file belongs to.
    StageSetFile set;
    DataReader setFile(("DATA\\" + name).c_str());
    if (!setFile.isOpen() || !readStageSetFile(setFile, set))
        return "DATA\\UNLOCK\\" + name + " belongs to no stage set that loads";
    return check("DATA\\UNLOCK\\" + name, checked, [&](DataReader& in) {
        UnlockData data;
        return readUnlockData(in, set.stageCount(), (int)set.groups.size(), data);
    });
}

// A text file of our own: every line must count.
template <typename Parse>
std::string checkText(const std::string& gamePath, int& checked, Parse parse) {
    if (listMatchingFiles(gamePath.c_str()).empty()) return "";
    ++checked;
    std::vector<std::string> problems;
    parse(bytesOf(gamePath), problems);
    return problems.empty() ? "" : gamePath + " does not load";
}

std::string leftOverTemporaryFile() {
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(".", error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        std::string name = it->path().filename().string();
        if (name.size() > 1 && name[0] == '.' && name.find(".tmp-") != std::string::npos)
            return it->path().lexically_normal().string();
    }
    return "";
}
} // namespace

std::string checkWrittenFiles(int& checked) {
    std::string temporary = leftOverTemporaryFile();
    if (!temporary.empty()) return "an unfinished save left " + temporary + " behind";
    std::string wrong = check("SETTINGS.DAT", checked, [](DataReader& in) {
        Settings s;
        return readSettings(in, s);
    });
    if (wrong.empty())
        wrong = check("stats.dat", checked, [](DataReader& in) {
            Statistics s;
            return readStatistics(in, s);
        });
    for (const std::string& name : listMatchingFiles("DATA\\UNLOCK\\*"))
        if (wrong.empty()) wrong = checkUnlockFile(name, checked);
    for (const std::string& name : listMatchingFiles("DEMOS\\*.TDM"))
        if (wrong.empty())
            wrong = check("DEMOS\\" + name, checked, [](DataReader& in) {
                DemoFile demo;
                return readDemoFile(in, demo) && demo.steering.size() == demoSteeringTicks;
            });
    for (const std::string& name : listMatchingFiles("records\\*.txt"))
        if (wrong.empty())
            wrong = checkText("records\\" + name, checked,
                              [&](const std::string& text, std::vector<std::string>& problems) {
                                  parseRecords(text, name, problems);
                              });
    for (const std::string& name : listMatchingFiles("records\\ghosts\\*.ghost"))
        if (wrong.empty())
            wrong = check("records\\ghosts\\" + name, checked, [](DataReader& in) {
                GhostFile ghost;
                return readGhostFile(in, ghost);
            });
    if (wrong.empty()) wrong = checkText("options.cfg", checked, parseOptions);
    if (wrong.empty())
        wrong = check("data\\extra.stg", checked, [](DataReader& in) {
            StageSetFile set;
            return readStageSetFile(in, set);
        });
    if (wrong.empty() && !listMatchingFiles("data\\extra.stg").empty() &&
        bytesOf("data\\extra.stg") != bytesOf("data\\tumblodata.dat"))
        wrong = "data\\extra.stg is not a copy of data\\tumblodata.dat";
    return wrong;
}
