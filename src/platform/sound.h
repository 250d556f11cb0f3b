#pragma once

// Sound effects and tracker tunes, honouring the player's two switches. When no
// audio device could be opened every operation does nothing and every load
// reports success, so the rest of the game never has to ask.

// True when the sound layer started at start-up.
extern bool soundAvailable;

// The player's two switches (effects, music), told by the game whenever they
// change. With effects off no effect starts; with music off the tunes are only
// marked playing, stopped or paused, and nothing is heard.
void setSoundSwitches(bool effects, bool music);

// One sampled effect: a slot of the mixer that plays it.
class SoundEffect {
public:
    bool load(const char* path);
    void setMaxPlaybacks(int count);
    void play();
    void release();

    int handle = -1;
    char fileName[80] = {};

private:
    // The sound layer's start the handle belongs to: closing the layer frees
    // every sample, and a handle from before must not free a newer one.
    int session = 0;
};

class Music {
public:
    bool load(const char* path);
    void unload();
    void play();
    void stop();
    void pause();
    void resume();
    void setSpeed(float speed);

    bool playing = false;
    bool paused = false;
    int handle = -1;
    char fileName[80] = {};
};

// Starts the sound layer (44100 Hz, 32 channels); false without a device.
bool startSound();
// Closes the sound layer; called whether or not it started.
void closeSound();

// The mixer behind the effects and tunes. After startSoundInMemory (no device;
// tests and tools) nothing pulls from it, and the caller renders it itself.
class SoundMixer;
extern SoundMixer soundMixer;
void startSoundInMemory();
constexpr int soundRate = 44100;
constexpr int soundChannels = 32;
