#pragma once

#include "level/actor.h"
#include "level/box_index.h"

// A body walking on a floor probes the same row of plain blocks tick after tick.
// Its footing (see MapMemo) answers such a surface probe without the index.

// Whether a block's touch does anything to the body: a plain block, and the
// goal or a teleport for an enemy, only block.
bool touchActs(int32_t blockType, bool ball);

// True when the body's footing answers a surface probe of this box; `meets` is
// then whether the probe meets a block (none of which does anything). Learns a
// new footing when the probe lies outside the old one.
bool footingAnswers(Actor& actor, const IndexBox& probe, bool& meets);
