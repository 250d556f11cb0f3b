#pragma once

#include "assets/it_module.h"
#include "assets/music_score.h"

// Turns a parsed score into a module: renders every instrument's sample, shapes
// held sounds with a volume envelope, and lays the notes into patterns.
void buildModule(const Score& score, ItModule& module);

// The volume envelope of a held sound at the tune's tempo: attack, decay to the
// sustain level (held until note off), then release to silence.
void envelopeFor(const SynthVoice& voice, int tempo, ItInstrument& instrument);
