#pragma once

class Music;

// Plays the game's tunes, each over the background it belongs to; the outro's
// tune is listed once the game has been cleared. "Return" or back stops the
// tune and leaves. The extras menu switches music on around it, so it is
// always heard.
void jukebox();

// The jukebox's own tune: the chosen song while the jukebox runs, nothing
// after it has left.
extern Music jukeboxSong;
