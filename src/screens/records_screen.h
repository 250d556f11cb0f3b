#pragma once

// The Records screen of the extras: the stages of the set in use with their
// best clear, best clear with the cup and the medal earned, and the switch of
// the ghost in training (kept in "options.cfg"). Returns when the player backs
// out.
void recordsScreen();

class ListMenu;
// The screen's list: the ghost's switch first, then one row per stage of the
// set ("title<TAB>best<TAB>cup best<TAB>medal"), each described by its
// records line.
void buildRecordsList(ListMenu& list);
