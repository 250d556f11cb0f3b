#pragma once

class SoundMixer;

// The audio output: SDL's audio subsystem pulls frames from a mixer on its own
// thread. Nothing else in the game knows about SDL.

// Opens the default device for 16-bit stereo at `rate` and starts pulling from
// `mixer` (already started at that rate); false when no device opens.
bool openSoundDevice(SoundMixer& mixer, int rate);
// Stops pulling and closes the device; harmless when none is open.
void closeSoundDevice();
