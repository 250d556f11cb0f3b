#pragma once

// Stands where the title menu will be: a picture in the game font that waits for
// a button press and then chooses "Exit" (5).
int placeholderScreen();
