#pragma once

#include "assets/synth.h"

#include <string>
#include <vector>

class SourceFile;

// A tune as its text score describes it, before it becomes a module.

struct ScoreInstrument {
    std::string name;
    int line = 0;
    SynthVoice voice;
    bool hasWave = false;
    int volume = 48; // 0..64
    int vibratoSpeed = 0, vibratoDepth = 0;
};

// A named part of the arrangement; a channel with several voices plays chords,
// one module channel per voice ("track").
struct ScoreChannel {
    std::string name;
    int line = 0;
    int instrument = 0;
    int pan = 0; // -32 left .. 32 right
    int volume = 64;
    int voices = 1;
    int firstTrack = 0;
};

constexpr int scoreNoteOff = -1;

struct ScoreEvent {
    int row;
    int track;
    int note; // 0..119, or scoreNoteOff
    int instrument;
    int volume; // 0..64, or -1 for the instrument's own
};

struct ScorePattern {
    std::string name;
    int line = 0;
    int rows = 0;
    std::vector<ScoreEvent> events;
};

struct Score {
    std::string title;
    int bpm = 120;
    int rowsPerBeat = 4;
    int beatsPerBar = 4;
    int volume = 128; // 0..128, the whole tune
    std::vector<ScoreInstrument> instruments;
    std::vector<ScoreChannel> channels;
    int tracks = 0;
    std::vector<ScorePattern> patterns;
    std::vector<int> orders;

    int findInstrument(const std::string& name) const;
    int findChannel(const std::string& name) const;
    int findPattern(const std::string& name) const;
};

// Reads a whole score; every problem is reported as "file:line: what is wrong".
bool parseScore(const SourceFile& file, Score& score);

// A note written as letter, optional "#" or "b", octave 0..8 (C4 is middle C);
// false when the text is not one or lies outside the tracker's range.
bool parseNote(const std::string& text, int& note);
