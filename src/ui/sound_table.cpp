#include "ui/sound_table.h"

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
