#pragma once

// When the X server goes away (stopped, or the session ended) the game leaves
// at once with status 1, saying so on standard error. Xlib's own way is exit()
// from whichever thread noticed, which runs every destructor while the game's
// thread and the sound thread still use what they free. Nothing can be shown
// or saved without the display anyway.
void leaveWhenTheDisplayIsLost();
