#include "level/map.h"

#include "level/map_file.h"
#include "platform/log.h"
#include "text/data_file.h"
#include "text/message_screen.h"
#include "text/text_pool.h"
#include "text/text_utils.h"

Map currentMap;
std::unique_ptr<Enemy[]> enemies;
int32_t enemyCount = 0;

bool openMapFile(const char* fileName, DataReader& in) {
    if (!in.open(joinText("DATA\\", fileName))) {
        showMessage("LOAD MAP ERROR", joinText("Unable to load MAP FILE: ", fileName));
        return false;
    }
    char magic[5] = {};
    in.readBytes(magic, 4);
    if (in.failed() || !equalsIgnoreCase(magic, "TUM1")) {
        reportInvalidMap(fileName);
        return false;
    }
    return true;
}

void reportInvalidMap(const char* fileName) {
    showMessage("LOAD MAP ERROR", joinText(fileName, " is not a valid TUMBLO MAP FILE"));
}

char* readMapName(const char* fileName, char* out) {
    gameLog.write(joinText("Loading Mapheader: ", fileName));
    gameLog.indentMore();
    DataReader in;
    if (!openMapFile(fileName, in)) {
        gameLog.write("Unable to load map!");
        gameLog.indentLess();
        return out;
    }
    char name[mapTextCapacity];
    readString(name, in, mapTextCapacity);
    if (in.failed()) {
        // A name that is cut short or longer than its field is not a map's name.
        reportInvalidMap(fileName);
        gameLog.write("Unable to load map!");
    } else {
        copyText(out, name, mapTextCapacity);
    }
    gameLog.indentLess();
    return out;
}
