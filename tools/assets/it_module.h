#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An Impulse Tracker module in instrument mode, as the music compiler builds it:
// one sample per instrument, 16-bit signed PCM, uncompressed.

// Note values of a pattern cell beyond the notes 0..119.
constexpr uint8_t itNoteOff = 255;
constexpr uint8_t itNoteCut = 254;
constexpr uint8_t itNoNote = 253; // nothing in the note column (never written)

struct ItCell {
    uint8_t note = itNoNote;
    uint8_t instrument = 0; // 1-based; 0 for none
    int8_t volume = -1;     // 0..64, or -1 for none
};

struct ItPattern {
    int rows = 64;
    // rows x channels cells, row by row.
    std::vector<ItCell> cells;
    ItCell& at(int row, int channel, int channels) {
        return cells[(size_t)row * channels + channel];
    }
};

struct ItEnvelopeNode {
    int tick;
    int value; // 0..64
};

struct ItInstrument {
    std::string name;
    uint8_t newNoteAction = 0; // 0 cut, 1 continue, 2 note off, 3 fade
    uint8_t globalVolume = 128;
    // A volume envelope (empty: none) held at node `sustainNode` until note off.
    std::vector<ItEnvelopeNode> envelope;
    int sustainNode = -1;
};

struct ItSample {
    std::string name;
    uint8_t volume = 64;
    uint32_t c5Speed = 44100;
    bool looped = false;
    uint32_t loopStart = 0;
    uint8_t vibratoSpeed = 0, vibratoDepth = 0;
    std::vector<int16_t> pcm;
};

struct ItChannel {
    int pan = 32; // 0 left .. 64 right
    int volume = 64;
};

struct ItModule {
    std::string title;
    int speed = 6;   // ticks per row
    int tempo = 125; // the tracker's tempo: a tick lasts 2.5 / tempo seconds
    int globalVolume = 128;
    int mixVolume = 48;
    int rowsPerBeat = 4, rowsPerBar = 16; // editor highlights only
    std::vector<ItChannel> channels;
    std::vector<int> orders; // pattern numbers
    std::vector<ItInstrument> instruments;
    std::vector<ItSample> samples; // sample i belongs to instrument i
    std::vector<ItPattern> patterns;
};

// The whole file as bytes; false when the module exceeds what the format holds
// (more than 64 channels, 255 orders, 99 instruments, 240 patterns).
bool encodeItModule(const ItModule& module, std::vector<uint8_t>& bytes);
// Encodes and writes at a game path through a temporary file.
bool writeItModule(const ItModule& module, const char* gamePath);
