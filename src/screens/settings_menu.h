#pragma once

// Five switches of the settings, each taking effect at once, the stage-set
// select and "Return". Nothing is saved here: the settings are written at
// exit. Returns on "Return" or back.
void settingsMenu();
