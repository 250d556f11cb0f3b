#pragma once

#include <cstdint>
#include <vector>

// The sound of one instrument, as the score describes it.
enum class Waveform { sine, square, saw, triangle, noise };

struct SynthVoice {
    Waveform wave = Waveform::sine;
    int attackMs = 2;
    int decayMs = 0;
    int sustainPercent = 100; // 0 makes a one-shot sound that rings out by itself
    int releaseMs = 60;
    int pitch = 60;            // the note at which a one-shot sample sounds as rendered
    double sweepSemitones = 0; // one-shot: starts this far above `pitch` and glides down
    int sweepMs = 0;
    double fmRatio = 0; // frequency modulator: ratio to the note, and its depth
    double fmDepth = 0;
    int detuneCents = 0; // a second oscillator this far above the first
    int lowpassHz = 0;   // one-pole filters; 0 leaves the sound as it is
    int highpassHz = 0;
    int echoMs = 0; // one-shot: repeats of the sound, each echoPercent as loud
    int echoPercent = 0;
    unsigned seed = 1; // noise is reproducible, so builds are too

    bool oneShot() const { return sustainPercent == 0; }
};

// A rendered sample: 16-bit PCM with its playback rate for the note C-5, and a
// loop over [loopStart, end) for held sounds.
struct SynthSample {
    std::vector<int16_t> pcm;
    uint32_t c5Speed = 44100;
    bool looped = false;
    uint32_t loopStart = 0;
};

// Frequency in Hz of a note numbered as the tracker does (60 is middle C, 69 is A at 440 Hz).
double noteFrequency(int note);

SynthSample renderVoice(const SynthVoice& voice);
