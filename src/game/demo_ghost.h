#pragma once

// A demo as a stage's ghost: played once through the game loop without a
// frame drawn or a sound heard, and, when it clears its stage, its ball's path
// kept as the ghost of the stage's map as it is now.
enum class DemoGhost {
    Kept,
    // The demo or its map could not be read; their loader has said so.
    Unreadable,
    // The demo's run does not end with a clear, or the ghost could not be
    // written (a log line says so).
    NotKept
};
DemoGhost ghostFromDemo(const char* gamePath);
