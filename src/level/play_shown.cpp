#include "level/play_shown.h"

bool playShown = true;
