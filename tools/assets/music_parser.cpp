#include "assets/music_parser.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {
bool validName(const std::string& name) {
    if (name.empty() || name.size() > 24 || !std::isalpha((unsigned char)name[0])) return false;
    for (char c : name)
        if (!std::isalnum((unsigned char)c) && c != '_' && c != '-') return false;
    int note;
    return !parseNote(name, note);
}

bool inRange(const std::string& text, int low, int high, int& value) {
    return parseInt(text, value) && value >= low && value <= high;
}

std::string range(int low, int high) {
    return "a whole number from " + std::to_string(low) + " to " + std::to_string(high);
}
} // namespace

bool parseDecimal(const std::string& text, double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    return *end == '\0' && errno == 0 && std::isfinite(value);
}

bool parseNote(const std::string& text, int& note) {
    static const int semitones[] = {9, 11, 0, 2, 4, 5, 7}; // A..G
    if (text.size() < 2 || text.size() > 3) return false;
    char letter = (char)std::toupper((unsigned char)text[0]);
    if (letter < 'A' || letter > 'G') return false;
    int value = semitones[letter - 'A'];
    size_t at = 1;
    if (text.size() == 3) {
        if (text[1] == '#')
            ++value;
        else if (text[1] == 'b')
            --value;
        else
            return false;
        at = 2;
    }
    if (text[at] < '0' || text[at] > '8') return false;
    value += (text[at] - '0' + 1) * 12;
    if (value < 0 || value > 119) return false;
    note = value;
    return true;
}

int Score::findInstrument(const std::string& name) const {
    for (size_t i = 0; i < instruments.size(); ++i)
        if (instruments[i].name == name) return (int)i;
    return -1;
}

int Score::findChannel(const std::string& name) const {
    for (size_t i = 0; i < channels.size(); ++i)
        if (channels[i].name == name) return (int)i;
    return -1;
}

int Score::findPattern(const std::string& name) const {
    for (size_t i = 0; i < patterns.size(); ++i)
        if (patterns[i].name == name) return (int)i;
    return -1;
}

bool ScoreParser::error(int line, const std::string& message) {
    sourceError(file.path(), line, message);
    ok = false;
    return false;
}

bool ScoreParser::run() {
    for (const SourceLine& l : file.lines()) {
        std::vector<std::string> words = splitWords(l.text);
        if (words.empty()) continue;
        const std::string& key = words[0];
        if (block == Block::pattern && key.size() > 1 && key.back() == ':') {
            if (!patternLine(l.number, words)) return false;
            continue;
        }
        if (block == Block::instrument && instrumentLine(l.number, words)) {
            if (!ok) return false;
            continue;
        }
        // Any other line ends the block it follows.
        if (block == Block::instrument && !finishInstrument()) return false;
        if (block == Block::pattern && !finishPattern()) return false;
        block = Block::none;
        if (key == "instrument") {
            if (words.size() != 2 || !validName(words[1]))
                return error(l.number, "instrument needs a name (letters, digits, - or _; "
                                       "not a note)");
            if (score.findInstrument(words[1]) >= 0)
                return error(l.number, "instrument " + words[1] + " is already defined");
            if (score.instruments.size() == 99)
                return error(l.number, "a tune holds at most 99 instruments");
            ScoreInstrument in;
            in.name = words[1];
            in.line = l.number;
            in.voice.seed = (unsigned)score.instruments.size() + 1;
            score.instruments.push_back(in);
            sweepLine = echoLine = fmLine = 0;
            block = Block::instrument;
        } else if (key == "channel") {
            if (!channelLine(l.number, words)) return false;
        } else if (key == "pattern") {
            if (!startPattern(l.number, words)) return false;
        } else if (key == "order") {
            if (!orderLine(l.number, words)) return false;
        } else if (key.back() == ':') {
            return error(l.number, "a channel line belongs inside a pattern");
        } else if (!headerLine(l.number, words)) {
            return false;
        }
    }
    if (block == Block::instrument && !finishInstrument()) return false;
    if (block == Block::pattern && !finishPattern()) return false;
    int last = file.lines().empty() ? 0 : file.lines().back().number;
    if (score.channels.empty()) return error(last, "the tune has no channels");
    if (score.orders.empty()) return error(last, "the tune has no order list");
    if (score.title.empty()) return error(1, "the tune has no title");
    return ok;
}

bool ScoreParser::headerLine(int line, const std::vector<std::string>& words) {
    const std::string& key = words[0];
    if (key == "title") {
        std::string title;
        for (size_t i = 1; i < words.size(); ++i)
            title += (i > 1 ? " " : "") + words[i];
        if (title.empty() || title.size() > 25)
            return error(line, "title needs a text of 1 to 25 characters");
        score.title = title;
        return true;
    }
    if (key != "bpm" && key != "rows-per-beat" && key != "beats-per-bar" && key != "master")
        return error(line, "unknown word '" + key + "'");
    if (!score.patterns.empty() && key != "master")
        return error(line, key + " must come before the first pattern");
    int value = 0;
    if (key == "bpm") {
        if (words.size() != 2 || !inRange(words[1], 32, 255, value))
            return error(line, "bpm needs " + range(32, 255));
        score.bpm = value;
    } else if (key == "rows-per-beat") {
        // A row lasts a whole number of ticks: 24 ticks make a beat.
        if (words.size() != 2 || !inRange(words[1], 1, 24, value) || 24 % value != 0)
            return error(line, "rows-per-beat needs one of 1, 2, 3, 4, 6, 8, 12, 24");
        score.rowsPerBeat = value;
    } else if (key == "beats-per-bar") {
        if (words.size() != 2 || !inRange(words[1], 1, 16, value))
            return error(line, "beats-per-bar needs " + range(1, 16));
        score.beatsPerBar = value;
    } else {
        if (words.size() != 2 || !inRange(words[1], 0, 128, value))
            return error(line, "master needs " + range(0, 128));
        score.volume = value;
    }
    return true;
}

// True when the line was an instrument setting (even a wrong one); false when
// it is not one, which ends the instrument.
bool ScoreParser::instrumentLine(int line, const std::vector<std::string>& words) {
    ScoreInstrument& in = score.instruments.back();
    SynthVoice& v = in.voice;
    const std::string& key = words[0];
    size_t n = words.size() - 1;
    auto number = [&](size_t i, int low, int high, int& out) {
        if (n >= i && inRange(words[i], low, high, out)) return true;
        error(line, key + " needs " + range(low, high));
        return false;
    };
    if (key == "wave") {
        static const char* names[] = {"sine", "square", "saw", "triangle", "noise"};
        for (int w = 0; w < 5; ++w)
            if (n == 1 && words[1] == names[w]) {
                v.wave = (Waveform)w;
                in.hasWave = true;
                return true;
            }
        error(line, "wave needs sine, square, saw, triangle or noise");
    } else if (key == "volume") {
        if (n == 1)
            number(1, 0, 64, in.volume);
        else
            error(line, "volume needs " + range(0, 64));
    } else if (key == "envelope") {
        if (n != 4)
            error(line, "envelope needs attack, decay (ms), sustain (%) and release (ms)");
        else if (number(1, 0, 5000, v.attackMs) && number(2, 0, 10000, v.decayMs) &&
                 number(3, 0, 100, v.sustainPercent))
            number(4, 0, 10000, v.releaseMs);
    } else if (key == "pitch") {
        if (n != 1 || !parseNote(words[1], v.pitch)) error(line, "pitch needs a note such as C4");
    } else if (key == "sweep") {
        double semitones = 0;
        if (n != 2 || !parseDecimal(words[1], semitones) || semitones < -48 || semitones > 48)
            error(line, "sweep needs semitones from -48 to 48 and a time in ms");
        else if (number(2, 1, 10000, v.sweepMs))
            v.sweepSemitones = semitones, sweepLine = line;
    } else if (key == "fm") {
        if (n != 2 || !parseDecimal(words[1], v.fmRatio) || !parseDecimal(words[2], v.fmDepth) ||
            v.fmRatio <= 0 || v.fmRatio > 16 || v.fmDepth < 0 || v.fmDepth > 20)
            error(line, "fm needs a ratio above 0 up to 16 and a depth from 0 to 20");
        fmLine = line;
    } else if (key == "detune") {
        if (n == 1)
            number(1, 0, 100, v.detuneCents);
        else
            error(line, "detune needs " + range(0, 100));
    } else if (key == "lowpass" || key == "highpass") {
        if (n == 1)
            number(1, 20, 20000, key == "lowpass" ? v.lowpassHz : v.highpassHz);
        else
            error(line, key + " needs " + range(20, 20000));
    } else if (key == "echo") {
        if (n != 2)
            error(line, "echo needs a delay in ms and a level in %");
        else if (number(1, 10, 2000, v.echoMs) && number(2, 0, 90, v.echoPercent))
            echoLine = line;
    } else if (key == "vibrato") {
        if (n != 2)
            error(line, "vibrato needs a speed (0 to 64) and a depth (0 to 32)");
        else if (number(1, 0, 64, in.vibratoSpeed))
            number(2, 0, 32, in.vibratoDepth);
    } else {
        return false;
    }
    return true;
}

bool ScoreParser::finishInstrument() {
    const ScoreInstrument& in = score.instruments.back();
    const SynthVoice& v = in.voice;
    if (!in.hasWave) return error(in.line, "instrument " + in.name + " has no wave");
    if (v.oneShot() && v.attackMs + v.decayMs == 0)
        return error(in.line, "instrument " + in.name +
                                  " has sustain 0 and no attack or decay, "
                                  "so it makes no sound");
    if (!v.oneShot()) {
        // A held sound loops one cycle, which only whole-number partials fit.
        if (sweepLine) return error(sweepLine, "sweep needs a one-shot sound (sustain 0)");
        if (echoLine) return error(echoLine, "echo needs a one-shot sound (sustain 0)");
        if (fmLine && v.fmRatio != std::round(v.fmRatio))
            return error(fmLine, "a held sound needs a whole fm ratio; "
                                 "fractional ratios need sustain 0");
    }
    return ok;
}

bool ScoreParser::channelLine(int line, const std::vector<std::string>& words) {
    if (!score.patterns.empty()) return error(line, "channels must come before the first pattern");
    if (words.size() < 3 || words.size() % 2 == 0)
        return error(line, "channel needs a name, an instrument and optional pan, volume, voices");
    ScoreChannel c;
    c.name = words[1];
    c.line = line;
    if (!validName(c.name)) return error(line, "channel needs a name (letters, digits, - or _)");
    if (score.findChannel(c.name) >= 0)
        return error(line, "channel " + c.name + " is already defined");
    c.instrument = score.findInstrument(words[2]);
    if (c.instrument < 0) return error(line, "no instrument named " + words[2]);
    for (size_t i = 3; i + 1 < words.size(); i += 2) {
        const std::string& key = words[i];
        bool good = key == "pan"      ? inRange(words[i + 1], -32, 32, c.pan)
                    : key == "volume" ? inRange(words[i + 1], 0, 64, c.volume)
                    : key == "voices" ? inRange(words[i + 1], 1, 8, c.voices)
                                      : false;
        if (!good)
            return error(line, "channel settings are pan -32..32, volume 0..64, voices 1..8; "
                               "not '" +
                                   key + " " + words[i + 1] + "'");
    }
    c.firstTrack = score.tracks;
    if (score.tracks + c.voices > 64) return error(line, "a tune holds at most 64 voices in all");
    score.tracks += c.voices;
    score.channels.push_back(c);
    return true;
}

bool ScoreParser::orderLine(int line, const std::vector<std::string>& words) {
    for (size_t i = 1; i < words.size(); ++i) {
        int p = score.findPattern(words[i]);
        if (p < 0) return error(line, "no pattern named " + words[i]);
        if (score.orders.size() == 255) return error(line, "the order list holds at most 255");
        score.orders.push_back(p);
    }
    if (words.size() < 2) return error(line, "order needs pattern names");
    return true;
}

bool parseScore(const SourceFile& file, Score& score) {
    ScoreParser parser(file, score);
    return parser.run();
}
