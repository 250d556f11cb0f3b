#pragma once

#include "platform/keys.h"

// The title menu that the main loop returns to after everything; returns the
// chosen item (TitleChoice). Back does nothing here: "Exit" is the way out.
enum TitleChoice { titlePlay, titleTraining, titlePlayback, titleSettings, titleExtra, titleExit };
int titleMenu();

// The letters held together on the title menu to open every stage and group of
// the set in use (once per visit).
extern const Key unlockCombinationKeys[3];
