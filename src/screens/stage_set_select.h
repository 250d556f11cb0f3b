#pragma once

// Lists every stage set file of the data folder with its title, author and
// number of levels, and loads the chosen one. Returns after one choice, after
// backing out, or after the message that there is none.
void stageSetSelectScreen();
