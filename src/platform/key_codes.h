#pragma once

#include "platform/keys.h"

// The media library's scancode of a key (0 for Key::None), for the platform's
// own input files.
int keyCode(Key key);
