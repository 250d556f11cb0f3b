#pragma once

#include "platform/sound.h"

// The game's sounds by name: the nine effects and their files, and the two
// tunes every screen may play. The platform only plays what it is given.

enum EffectSlot {
    sfxGoldSlot,
    sfxCupSlot,
    sfxDieSlot,
    sfxStartSlot,
    sfxTeleportSlot,
    sfxJingleSlot,
    sfxCursorSlot,
    sfxLifeSlot,
    sfxJumpSlot,
    effectSlotCount = 15
};
extern SoundEffect soundEffects[effectSlotCount];
extern SoundEffect& sfxGold;
extern SoundEffect& sfxCup;
extern SoundEffect& sfxDie;
extern SoundEffect& sfxStart;
extern SoundEffect& sfxTeleport;
extern SoundEffect& sfxJingle;
extern SoundEffect& sfxCursor;
extern SoundEffect& sfxLife;
extern SoundEffect& sfxJump;

extern Music menuMusic;
extern Music completeMusic;

// Loads the nine effects from "SOUND\"; the death and the bounce never sound
// twice at once.
void loadSoundEffects();
