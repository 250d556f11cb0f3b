#pragma once

class ListMenu;
struct BITMAP;

// Lists the demos of "DEMOS\" with their stage, clear time and cup, plays the
// chosen one and deletes the highlighted one on Delete; after either the list
// is built again with the cursor where it was. Runs until the player backs out
// or there is no demo.
void demoBrowserScreen();

// One pass of choosing over the filled list: -1 to leave the browser, 0 to list
// again.
int demoSelect(BITMAP* background, ListMenu& list);
