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

void keepName(char (&out)[80], const char* path) {
    std::snprintf(out, sizeof out, "%s", path);
}
} // namespace

void setSoundSwitches(bool effects, bool music) {
    effectsOn = effects;
    musicOn = music;
}
SoundMixer soundMixer;

SoundEffect soundEffects[effectSlotCount];
SoundEffect& sfxGold = soundEffects[sfxGoldSlot];
SoundEffect& sfxCup = soundEffects[sfxCupSlot];
SoundEffect& sfxDie = soundEffects[sfxDieSlot];
SoundEffect& sfxStart = soundEffects[sfxStartSlot];
SoundEffect& sfxTeleport = soundEffects[sfxTeleportSlot];
SoundEffect& sfxJingle = soundEffects[sfxJingleSlot];
SoundEffect& sfxCursor = soundEffects[sfxCursorSlot];
SoundEffect& sfxLife = soundEffects[sfxLifeSlot];
SoundEffect& sfxJump = soundEffects[sfxJumpSlot];
Music menuMusic;
Music completeMusic;

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
    for (SoundEffect& effect : soundEffects)
        effect.handle = -1;
    soundAvailable = false;
}

bool SoundEffect::load(const char* path) {
    if (!soundAvailable) return true;
    release();
    handle = soundMixer.loadSampleFile(path);
    keepName(fileName, path);
    return handle >= 0;
}

void SoundEffect::setMaxPlaybacks(int count) {
    if (soundAvailable) soundMixer.setMaxPlaybacks(handle, count);
}

void SoundEffect::play() {
    if (soundAvailable && effectsOn) soundMixer.playSample(handle);
}

void SoundEffect::release() {
    if (!soundAvailable || handle < 0) return;
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

void loadSoundEffects() {
    sfxCup.load("SOUND\\CUP.WAV");
    sfxGold.load("SOUND\\GOLD.WAV");
    sfxStart.load("SOUND\\START.WAV");
    sfxTeleport.load("SOUND\\TELEPORT.WAV");
    sfxJingle.load("SOUND\\VANTRIX.WAV");
    sfxCursor.load("SOUND\\CURSOR.WAV");
    sfxLife.load("SOUND\\LIFE.WAV");
    sfxJump.load("SOUND\\JUMP.WAV");
    sfxJump.setMaxPlaybacks(1);
    sfxDie.load("SOUND\\DIE.WAV");
    sfxDie.setMaxPlaybacks(1);
}
