#include "level/map.h"

#include "level/map_format.h"
#include "platform/log.h"
#include "text/data_file.h"
#include "text/text_pool.h"
#include "text/text_utils.h"
#include "ui/message_screen.h"

Map currentMap;
std::unique_ptr<Enemy[]> enemies;
int32_t enemyCount = 0;

void reportInvalidMap(const char* fileName) {
    showMessage("LOAD MAP ERROR", joinText(fileName, " is not a valid TUMBLO MAP FILE"));
}

char* readMapName(const char* fileName, char* out) {
    gameLog.write(joinText("Loading Mapheader: ", fileName));
    gameLog.indentMore();
    DataReader in;
    std::string name;
    if (!in.open(joinText("DATA\\", fileName))) {
        showMessage("LOAD MAP ERROR", joinText("Unable to load MAP FILE: ", fileName));
        gameLog.write("Unable to load map!");
    } else if (!readMapFileName(in, name)) {
        // A wrong magic, or a name cut short or longer than its field.
        reportInvalidMap(fileName);
        gameLog.write("Unable to load map!");
    } else {
        copyText(out, name.c_str(), mapTextCapacity);
    }
    gameLog.indentLess();
    return out;
}
