#pragma once

// The stage groups a game may start from: those unlocked in an unbroken run
// from the first.
int continuableGroups();
// Lists those groups by name and "Return"; the chosen group's index, or -1 for
// "Return" and for back. Rows below the screen's edge are not seen but can
// still be chosen.
int continueMenu();
