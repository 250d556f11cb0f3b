#pragma once

// Stands where the title menu will be: "Play" (0) or "Exit" (5), chosen with the
// arrows and ENTER over the menus' scrolling background.
int placeholderScreen();
