#pragma once

// Lists every stage set file of the data folder with its title, author and
// number of levels, and loads the chosen one. Returns after one choice, after
// backing out, or after the message that there is none.
void stageSetSelectScreen();

class ListMenu;
// Fills the list with the stage set files of the data folder, each described
// by its title, author and number of levels; returns how many there are (the
// list is left alone when there is none).
int buildStageSetList(ListMenu& list);
