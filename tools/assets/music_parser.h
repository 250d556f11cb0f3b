#pragma once

#include "assets/music_score.h"
#include "assets/source_file.h"

#include <string>
#include <vector>

// One word of a pattern line: a note, chord, hit or rest with its suffixes.
struct NoteToken {
    enum Kind { play, rest, hold, bar } kind = play;
    std::vector<int> notes;
    int instrument = -1; // -1: the channel's own
    int length = -1;     // -1: as the previous token
    int volume = -1;
    int repeat = -1;
};

// Reads a score line by line. Header words, instrument blocks and channels are
// handled in music_parser.cpp, pattern lines and their notes in music_pattern.cpp.
class ScoreParser {
public:
    ScoreParser(const SourceFile& source, Score& target) : file(source), score(target) {}
    bool run();

private:
    enum class Block { none, instrument, pattern };

    // Where each channel stands while a pattern is being read.
    struct ChannelProgress {
        bool seen = false;
        int row = 0;
        int length = 1;               // rows of a note without "/N": the previous one's
        std::vector<int> instruments; // per voice: what sounds now, for rests
    };

    bool error(int line, const std::string& message);
    bool headerLine(int line, const std::vector<std::string>& words);
    bool instrumentLine(int line, const std::vector<std::string>& words);
    bool finishInstrument();
    bool channelLine(int line, const std::vector<std::string>& words);
    bool orderLine(int line, const std::vector<std::string>& words);

    bool startPattern(int line, const std::vector<std::string>& words);
    bool patternLine(int line, const std::vector<std::string>& words);
    bool token(int line, int channel, const std::string& text);
    void place(int channel, const NoteToken& t);
    bool finishPattern();
    void rest(int channel, int row);

    const SourceFile& file;
    Score& score;
    Block block = Block::none;
    bool ok = true;
    std::vector<ChannelProgress> progress;
    // Lines of instrument settings that only a one-shot or held sound allows.
    int sweepLine = 0, echoLine = 0, fmLine = 0;
};

// A decimal number such as "3.5"; false when the text is not one.
bool parseDecimal(const std::string& text, double& value);
