#pragma once

// Training: the unlocked stages of the set in use, one of which is played
// alone, and restarted as a demo recording when the player asks for one.
// Returns when the player backs out of the list.
void stageSelectScreen();
