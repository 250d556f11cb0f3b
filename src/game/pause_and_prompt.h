#pragma once

// The two screens that stop play for the player.

// The darkened frame with "$C PAUSE" until SPACE, a bound button or a joystick
// button is pressed after SPACE was released; the stage's song pauses meanwhile.
void pauseScreen();
// "Exit current game?" with "No!" and "Yeah!"; true for "Yeah!".
bool exitPrompt();
