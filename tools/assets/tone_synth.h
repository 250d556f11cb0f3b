#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A small synthesizer in the manner of the sound chips of old home computers:
// each tone is one oscillator with a pitch glide, a little vibrato and a simple
// volume envelope; a sound is tones placed on a time line and summed.
enum class Wave { Square, Triangle, Saw, Sine, Noise };

struct Tone {
    double at = 0;     // start, ms
    double length = 0; // ms
    Wave wave = Wave::Square;
    double pitch = 440; // Hz at the start
    double glideTo = 0; // Hz at the end (0: no glide)
    double duty = 0.5;  // share of a square wave's period spent high
    double volume = 1.0;
    double attack = 2;     // ms of linear rise
    double release = 5;    // ms of linear fall at the end
    double decay = 0;      // ms in which the level halves (0: it holds)
    double wobble = 0;     // vibrato depth as a share of the pitch
    double wobbleRate = 0; // vibrato speed, Hz
    uint32_t seed = 1;     // noise sequence
};

// Renders the tones at `rate` into samples from -1 to 1 (clipped), scaled by `gain`.
std::vector<float> renderTones(const std::vector<Tone>& tones, int rate, double gain);

// "A4", "C#5", "Bb3" (equal temperament, A4 = 440 Hz) or a plain frequency "880";
// false when the text is neither or out of the audible range.
bool parsePitch(const std::string& text, double& hertz);
bool parseWave(const std::string& text, Wave& wave);
