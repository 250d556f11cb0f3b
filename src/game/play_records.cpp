#include "game/play_records.h"

PlayMode playMode;
PlayRecord playRecord;
bool& recordStats = playMode.statisticsEnabled;
