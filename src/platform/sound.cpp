// Interim sound layer: reports that no device opened, so every operation is
// silent and every load succeeds, exactly as without a sound card.
#include "platform/sound.h"

bool soundAvailable = false;

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

bool startSound() { return false; }
void closeSound() {}
bool SoundEffect::load(const char*) { return true; }
void SoundEffect::setMaxPlaybacks(int) {}
void SoundEffect::play() {}
void SoundEffect::release() {}
bool Music::load(const char*) { return true; }
void Music::unload() {}
void Music::play() {}
void Music::stop() {}
void Music::pause() {}
void Music::resume() {}
void Music::setSpeed(float) {}
void loadSoundEffects() {}
