#pragma once

// The closing sequence: a sunset over the sea with the credits rolling up and
// "Thank you for playing!" over black, about 70 seconds with its own tune.
// ESC ends it at any time. The caller restores its own music afterwards.
void outro();
