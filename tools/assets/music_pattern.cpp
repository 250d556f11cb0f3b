// Pattern lines of a score: "NAME: token token ...", one token per note, chord,
// hit or rest, each lasting "/N" rows (else as long as the one before it).
#include "assets/music_parser.h"

namespace {

// Splits "body/length@volume*repeat" (suffixes in any order).
bool splitSuffixes(const std::string& text, std::string& body, NoteToken& t) {
    size_t cut = text.find_first_of("/@*");
    body = text.substr(0, cut);
    while (cut != std::string::npos) {
        size_t next = text.find_first_of("/@*", cut + 1);
        std::string value = text.substr(cut + 1, next == std::string::npos ? next : next - cut - 1);
        int& target = text[cut] == '/' ? t.length : text[cut] == '@' ? t.volume : t.repeat;
        if (target != -1 || !parseInt(value, target)) return false;
        cut = next;
    }
    return true;
}

bool parseChord(const std::string& text, std::vector<int>& notes) {
    size_t start = 0;
    while (true) {
        size_t plus = text.find('+', start);
        int note = 0;
        if (!parseNote(text.substr(start, plus - start), note)) return false;
        notes.push_back(note);
        if (plus == std::string::npos) return true;
        start = plus + 1;
    }
}
} // namespace

bool ScoreParser::startPattern(int line, const std::vector<std::string>& words) {
    int rows = 0;
    if (words.size() != 3 || !parseInt(words[2], rows) || rows < 1 || rows > 200)
        return error(line, "pattern needs a name and a length of 1 to 200 rows");
    if (score.findPattern(words[1]) >= 0)
        return error(line, "pattern " + words[1] + " is already defined");
    if (score.channels.empty()) return error(line, "channels must come before the first pattern");
    if (score.patterns.size() == 240) return error(line, "a tune holds at most 240 patterns");
    ScorePattern p;
    p.name = words[1];
    p.line = line;
    p.rows = rows;
    score.patterns.push_back(p);
    progress.assign(score.channels.size(), {});
    for (size_t c = 0; c < score.channels.size(); ++c)
        progress[c].instruments.assign((size_t)score.channels[c].voices,
                                       score.channels[c].instrument);
    block = Block::pattern;
    return true;
}

bool ScoreParser::patternLine(int line, const std::vector<std::string>& words) {
    std::string name = words[0].substr(0, words[0].size() - 1);
    int channel = score.findChannel(name);
    if (channel < 0) return error(line, "no channel named " + name);
    progress[(size_t)channel].seen = true;
    // "[ words ]*N" plays the words between the brackets N times, so a riff or
    // a drum bar is written once.
    std::vector<std::string> group;
    bool inGroup = false;
    for (size_t i = 1; i < words.size(); ++i) {
        std::string word = words[i];
        if (word[0] == '[') {
            if (inGroup || (word.size() > 1 && word[1] == '['))
                return error(line, "groups in [ ] cannot be nested");
            inGroup = true;
            group.clear();
            word.erase(0, 1);
        }
        size_t close = word.find(']');
        if (close == std::string::npos) {
            if (inGroup) {
                if (!word.empty()) group.push_back(word);
            } else if (!token(line, channel, word)) {
                return false;
            }
            continue;
        }
        if (!inGroup) return error(line, "']' without a '[' before it");
        std::string count = word.substr(close + 1);
        word.erase(close);
        if (!word.empty()) group.push_back(word);
        int times = 1;
        if (!count.empty() &&
            (count[0] != '*' || !parseInt(count.substr(1), times) || times < 1 || times > 200))
            return error(line, "a group repeats as [ ... ]*COUNT, with a count of 1..200");
        for (int k = 0; k < times; ++k)
            for (const std::string& g : group)
                if (!token(line, channel, g)) return false;
        inGroup = false;
    }
    if (inGroup) return error(line, "a group opened with '[' needs its ']' on the same line");
    return true;
}

// A rest silences what is held; one-shot sounds ring out by themselves.
void ScoreParser::rest(int channel, int row) {
    const ScoreChannel& c = score.channels[(size_t)channel];
    for (int v = 0; v < c.voices; ++v) {
        int sounding = progress[(size_t)channel].instruments[(size_t)v];
        if (score.instruments[(size_t)sounding].voice.oneShot()) continue;
        score.patterns.back().events.push_back({row, c.firstTrack + v, scoreNoteOff, sounding, -1});
    }
}

bool ScoreParser::token(int line, int channel, const std::string& text) {
    ScorePattern& pattern = score.patterns.back();
    const ScoreChannel& c = score.channels[(size_t)channel];
    ChannelProgress& at = progress[(size_t)channel];
    NoteToken t;
    std::string body;
    if (!splitSuffixes(text, body, t))
        return error(line, "'" + text + "': a length is /ROWS, a volume @0..64, a repeat *COUNT");
    if (body == ".")
        t.kind = NoteToken::rest;
    else if (body == "-")
        t.kind = NoteToken::hold;
    else if (body == "|")
        t.kind = NoteToken::bar;
    else {
        // "name" hits an instrument at its own pitch; "name:notes" plays it at notes.
        size_t colon = body.find(':');
        std::string notes = body;
        std::string instrument = colon == std::string::npos ? "" : body.substr(0, colon);
        if (colon != std::string::npos)
            notes = body.substr(colon + 1);
        else if (score.findInstrument(body) >= 0)
            instrument = body, notes.clear();
        if (!instrument.empty()) {
            t.instrument = score.findInstrument(instrument);
            if (t.instrument < 0) return error(line, "no instrument named " + instrument);
        }
        // "/4" or ":" alone: neither a note nor an instrument.
        if (notes.empty() && t.instrument < 0)
            return error(line, "'" + text + "' names no note and no instrument");
        if (notes.empty())
            t.notes.push_back(score.instruments[(size_t)t.instrument].voice.pitch);
        else if (!parseChord(notes, t.notes))
            return error(line, "'" + body +
                                   "' is not a note (such as C4, F#3, Bb5), a chord "
                                   "(C4+E4+G4), an instrument, '.', '-' or '|'");
    }
    int rowsPerBar = score.rowsPerBeat * score.beatsPerBar;
    if (t.kind == NoteToken::bar) {
        if (t.length != -1 || t.volume != -1)
            return error(line, "a bar line takes no length or volume");
        if (at.row % rowsPerBar != 0)
            return error(line, "bar line at row " + std::to_string(at.row) + " of " + c.name +
                                   " is not on a bar (a bar is " + std::to_string(rowsPerBar) +
                                   " rows)");
        return true;
    }
    if (t.volume != -1 && (t.kind != NoteToken::play || t.volume < 0 || t.volume > 64))
        return error(line, "'" + text + "': a volume is 0..64 and only on notes");
    if (t.length == -1) t.length = at.length;
    if (t.length < 1) return error(line, "'" + text + "': a length is at least 1 row");
    if (t.repeat == -1) t.repeat = 1;
    if (t.repeat < 1 || t.repeat > 200) return error(line, "'" + text + "': a repeat is 1..200");
    at.length = t.length;
    // The length alone first: a huge one times the repeat would overflow.
    if (t.length > pattern.rows || at.row + t.length * t.repeat > pattern.rows)
        return error(line, c.name + " runs past the end of pattern " + pattern.name + " (" +
                               std::to_string(pattern.rows) + " rows)");
    if (t.notes.size() > (size_t)c.voices)
        return error(line, "'" + body + "' has " + std::to_string(t.notes.size()) +
                               " notes but channel " + c.name + " has " + std::to_string(c.voices) +
                               " voice" + (c.voices > 1 ? "s" : ""));
    for (int k = 0; k < t.repeat; ++k) {
        place(channel, t);
        at.row += t.length;
    }
    return true;
}

void ScoreParser::place(int channel, const NoteToken& t) {
    ScorePattern& pattern = score.patterns.back();
    const ScoreChannel& c = score.channels[(size_t)channel];
    ChannelProgress& at = progress[(size_t)channel];
    if (t.kind == NoteToken::rest) rest(channel, at.row);
    if (t.kind == NoteToken::play) {
        int instrument = t.instrument >= 0 ? t.instrument : c.instrument;
        for (int v = 0; v < c.voices; ++v) {
            if (v >= (int)t.notes.size()) {
                // Voices a chord leaves out fall silent.
                int sounding = at.instruments[(size_t)v];
                if (!score.instruments[(size_t)sounding].voice.oneShot())
                    pattern.events.push_back(
                        {at.row, c.firstTrack + v, scoreNoteOff, sounding, -1});
                continue;
            }
            pattern.events.push_back(
                {at.row, c.firstTrack + v, t.notes[(size_t)v], instrument, t.volume});
            at.instruments[(size_t)v] = instrument;
        }
    }
}

bool ScoreParser::finishPattern() {
    const ScorePattern& pattern = score.patterns.back();
    for (size_t c = 0; c < score.channels.size(); ++c) {
        const ChannelProgress& at = progress[c];
        if (!at.seen) {
            // A channel a pattern leaves out is silent in it.
            rest((int)c, 0);
        } else if (at.row != pattern.rows) {
            return error(pattern.line, "channel " + score.channels[c].name + " fills " +
                                           std::to_string(at.row) + " of the " +
                                           std::to_string(pattern.rows) + " rows of pattern " +
                                           pattern.name);
        }
    }
    return ok;
}
