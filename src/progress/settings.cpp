#include "progress/settings.h"

Settings settings;
