#include "level/map.h"

#include "platform/log.h"
#include "text/data_file.h"
#include "text/message_screen.h"
#include "text/text_pool.h"
#include "text/text_utils.h"

namespace {
constexpr int mapNameCapacity = 40;

// Opens "DATA\" + fileName and checks the magic; reports like the map loader.
bool openMapFile(const char* fileName, DataReader& in) {
    if (!in.open(joinText("DATA\\", fileName))) {
        showMessage("LOAD MAP ERROR", joinText("Unable to load MAP FILE: ", fileName));
        return false;
    }
    char magic[5] = {};
    in.readBytes(magic, 4);
    if (in.failed() || !equalsIgnoreCase(magic, "TUM1")) {
        showMessage("LOAD MAP ERROR", joinText(fileName, " is not a valid TUMBLO MAP FILE"));
        return false;
    }
    return true;
}
} // namespace

char* readMapName(const char* fileName, char* out) {
    gameLog.write(joinText("Loading Mapheader: ", fileName));
    gameLog.indentMore();
    DataReader in;
    if (!openMapFile(fileName, in)) {
        gameLog.write("Unable to load map!");
        gameLog.indentLess();
        return out;
    }
    char name[mapNameCapacity];
    readString(name, in, mapNameCapacity);
    if (in.failed()) {
        // A name that is cut short or longer than its field is not a map's name.
        showMessage("LOAD MAP ERROR", joinText(fileName, " is not a valid TUMBLO MAP FILE"));
        gameLog.write("Unable to load map!");
    } else {
        copyText(out, name, mapNameCapacity);
    }
    gameLog.indentLess();
    return out;
}
