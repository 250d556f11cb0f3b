// content/animations/<name>.txt -> "DATA\<NAME>.ANM": which frames of a sheet to
// show, for how long, and what follows. One line per sequence, in order:
//
//   sequence 0  0:120 1:6  loop 0     frames as column:ticks, then back to frame 0
//   sequence 2  6:4 7:6    next 0     after the last frame, start sequence 0
//
// Ticks 0 hold a frame for good.
#include "assets/compiler.h"
#include "assets/content_folder.h"
#include "level/animation_format.h"
#include "text/data_file.h"

namespace {
struct Sequence {
    int line = 0;
    std::vector<int> images, ticks;
    int loopFrame = -1;
    int nextSequence = 0;
};

// Tighter than the file allows: a sheet of more than 256 columns or a frame
// held for over half an hour is a typing mistake.
constexpr int maxSequences = 64;
constexpr int maxColumns = 256;
constexpr int maxTicks = 100000;
static_assert(maxSequences <= maxAnimationSequences);

bool parseFrame(const std::string& word, int& image, int& ticks) {
    size_t colon = word.find(':');
    if (colon == std::string::npos) return false;
    return parseInt(word.substr(0, colon), image) && parseInt(word.substr(colon + 1), ticks) &&
           image >= 0 && image < maxColumns && ticks >= 0 && ticks <= maxTicks;
}

bool parseSequence(const SourceFile& file, const SourceLine& here,
                   const std::vector<std::string>& words, Sequence& seq) {
    seq.line = here.number;
    size_t end = words.size();
    if (end < 5 || (words[end - 2] != "loop" && words[end - 2] != "next")) {
        sourceError(
            file.path(), here.number,
            "a sequence needs frames (column:ticks) and then 'loop FRAME' or 'next SEQUENCE'");
        return false;
    }
    for (size_t i = 2; i + 2 < end; ++i) {
        int image = 0, ticks = 0;
        if (!parseFrame(words[i], image, ticks)) {
            sourceError(file.path(), here.number,
                        "'" + words[i] +
                            "' is not a frame column:ticks (column 0-255, ticks 0 or more)");
            return false;
        }
        if ((int32_t)seq.images.size() == maxSequenceFrames) {
            sourceError(file.path(), here.number, "too many frames in one sequence");
            return false;
        }
        seq.images.push_back(image);
        seq.ticks.push_back(ticks);
    }
    int target = 0;
    if (!parseInt(words[end - 1], target) || target < 0) {
        sourceError(file.path(), here.number, words[end - 2] + " needs a number, 0 or more");
        return false;
    }
    if (words[end - 2] == "loop") {
        if (target >= (int)seq.images.size()) {
            sourceError(file.path(), here.number,
                        "loop frame " + std::to_string(target) + " is past the last frame");
            return false;
        }
        seq.loopFrame = target;
    } else {
        seq.nextSequence = target;
    }
    return true;
}

bool parseAnimation(const SourceFile& file, std::vector<Sequence>& sequences) {
    for (const SourceLine& here : file.lines()) {
        std::vector<std::string> words = splitWords(here.text);
        if (words.empty()) continue;
        int number = -1;
        if (words[0] != "sequence" || words.size() < 2 || !parseInt(words[1], number)) {
            sourceError(file.path(), here.number, "expected 'sequence N frames... loop|next N'");
            return false;
        }
        // The number is only a check for the reader: sequences are stored in order.
        if (number != (int)sequences.size()) {
            sourceError(file.path(), here.number,
                        "expected sequence " + std::to_string(sequences.size()) + " here");
            return false;
        }
        if (sequences.size() == maxSequences) {
            sourceError(file.path(), here.number, "too many sequences");
            return false;
        }
        Sequence seq;
        if (!parseSequence(file, here, words, seq)) return false;
        sequences.push_back(seq);
    }
    if (sequences.empty()) {
        sourceError(file.path(), 0, "an animation needs at least sequence 0");
        return false;
    }
    for (size_t s = 0; s < sequences.size(); ++s) {
        const Sequence& seq = sequences[s];
        if (seq.loopFrame >= 0) continue;
        if (seq.nextSequence >= (int)sequences.size()) {
            sourceError(file.path(), seq.line,
                        "next sequence " + std::to_string(seq.nextSequence) + " does not exist");
            return false;
        }
        // Starting the running sequence again is no restart for a player; it would
        // stand past its last frame.
        if (seq.nextSequence == (int)s) {
            sourceError(file.path(), seq.line, "a sequence cannot go on with itself; use 'loop 0'");
            return false;
        }
    }
    return true;
}

bool compileAnimation(const std::string& path) {
    SourceFile file;
    if (!file.read(path)) return false;
    std::vector<Sequence> sequences;
    if (!parseAnimation(file, sequences)) return false;
    std::string target = "DATA\\" + sourceStem(path, true) + ".ANM";
    DataWriter out;
    if (!out.open(target.c_str())) {
        sourceError(path, 0, "cannot write " + target);
        return false;
    }
    AnimationFile animation;
    for (const Sequence& seq : sequences)
        animation.sequences.push_back({{seq.images.begin(), seq.images.end()},
                                       {seq.ticks.begin(), seq.ticks.end()},
                                       seq.loopFrame,
                                       seq.nextSequence});
    writeAnimationFile(out, animation);
    if (!out.commit()) {
        sourceError(path, 0, "cannot write " + target);
        return false;
    }
    return true;
}

bool compileAnimations(const std::string& contentDir) {
    bool ok = true;
    for (const std::string& path : listSources(contentDir, "animations"))
        ok = compileAnimation(path) && ok;
    return ok;
}
} // namespace

REGISTER_COMPILER("animations", compileAnimations);
