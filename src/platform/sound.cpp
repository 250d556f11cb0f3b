// The game's effects and tunes on top of the mixer, honouring the player's
// play-sound and play-music switches.
#include "platform/sound.h"

#include "platform/sound_device.h"
#include "platform/sound_mixer.h"

#include <cstdio>

bool soundAvailable = false;
namespace {
bool effectsOn = true;
bool musicOn = true;
int soundSession = 0;

void keepName(char (&out)[80], const char* path) {
    std::snprintf(out, sizeof out, "%s", path);
}
} // namespace

void setSoundSwitches(bool effects, bool music) {
    effectsOn = effects;
    musicOn = music;
}
SoundMixer soundMixer;

bool startSound() {
    soundMixer.start(soundRate, soundChannels);
    if (openSoundDevice(soundMixer, soundRate)) return true;
    soundMixer.stop();
    return false;
}

void startSoundInMemory() {
    soundMixer.start(soundRate, soundChannels);
}

void closeSound() {
    closeSoundDevice();
    soundMixer.stop();
    // Closing frees every sample, as the effects are never released one by one.
    ++soundSession;
    soundAvailable = false;
}

bool SoundEffect::load(const char* path) {
    if (!soundAvailable) {
        handle = -1; // nothing of an earlier start is left to play
        return true;
    }
    release();
    handle = soundMixer.loadSampleFile(path);
    session = soundSession;
    keepName(fileName, path);
    return handle >= 0;
}

void SoundEffect::setMaxPlaybacks(int count) {
    if (soundAvailable && session == soundSession) soundMixer.setMaxPlaybacks(handle, count);
}

void SoundEffect::play() {
    if (soundAvailable && effectsOn && session == soundSession) soundMixer.playSample(handle);
}

void SoundEffect::release() {
    if (!soundAvailable || handle < 0) return;
    if (session != soundSession) {
        handle = -1;
        return;
    }
    soundMixer.freeSample(handle);
    handle = -1;
}

bool Music::load(const char* path) {
    if (!soundAvailable) return true;
    unload();
    handle = soundMixer.loadSongFile(path);
    playing = false;
    paused = false;
    keepName(fileName, path);
    return handle >= 0;
}

void Music::unload() {
    if (!soundAvailable) return;
    if (handle >= 0) {
        soundMixer.stopSong(handle);
        soundMixer.freeSong(handle);
        handle = -1;
    }
    playing = false;
}

void Music::play() {
    if (!soundAvailable) return;
    playing = true;
    if (musicOn) soundMixer.playSong(handle);
}

void Music::stop() {
    if (!soundAvailable) return;
    playing = false;
    if (musicOn) soundMixer.stopSong(handle);
}

void Music::pause() {
    if (!soundAvailable || !playing) return;
    if (musicOn) soundMixer.setSongPaused(handle, true);
    paused = true;
}

void Music::resume() {
    if (!soundAvailable || !playing) return;
    if (musicOn) soundMixer.setSongPaused(handle, false);
    paused = false;
}

void Music::setSpeed(float speed) {
    if (soundAvailable) soundMixer.setSongSpeed(handle, speed);
}
