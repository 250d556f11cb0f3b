#pragma once

#include "platform/picture.h"

class ListMenu;
struct DemoInfo;

// Lists the demos of "DEMOS\" with their stage, clear time and cup, plays the
// chosen one and deletes the highlighted one on Delete; after either the list
// is built again with the cursor where it was. Runs until the player backs out
// or there is no demo.
void demoBrowserScreen();

// One pass of choosing over the filled list: -1 to leave the browser, 0 to list
// again.
int demoSelect(const Picture& background, ListMenu& list);

// Fills the list with the demos of "DEMOS\", each described by its stage, its
// clear time ("-" after a death) and "$A" when its cup was taken. `info` is
// the record reused for every file: a header that cannot be read leaves the
// entry with what the record held before. The list is left alone when there
// is no demo.
void buildDemoList(ListMenu& list, DemoInfo& info);
