#pragma once

#include "level/actor.h"

#include <cstdint>

// What a block does to a body whose probe met it: a bounce throws it up, a hurt
// block kills it, a turn marker turns an enemy once, the goal clears the stage
// and a teleport moves the ball; a plain block only blocks.
void touchBlock(int32_t index, Actor& actor);
