// info --kind animation: the sequences of an ".ANM" file as the game's own
// animation reader reads them.
#include "tool/game_tree.h"
#include "tool/info.h"

#include "level/animation_format.h"
#include "text/data_file.h"

namespace {
bool printAnimation(const char* path, std::FILE* out) {
    DataReader in;
    AnimationFile animation;
    if (!openCommandLineFile(path, in) || !readAnimationFile(in, animation)) return false;
    std::fprintf(out, "animation %s\nsequences %d\n", path, (int)animation.sequences.size());
    for (size_t s = 0; s < animation.sequences.size(); ++s) {
        const AnimationFileSequence& seq = animation.sequences[s];
        std::fprintf(out, "sequence %d frames %d", (int)s, (int)seq.images.size());
        if (seq.loopFrame == -1)
            std::fprintf(out, " then sequence %d\n", seq.nextSequence);
        else
            std::fprintf(out, " loop to frame %d\n", seq.loopFrame);
        for (size_t f = 0; f < seq.images.size(); ++f)
            std::fprintf(out, "  frame %d image %d ticks %d%s\n", (int)f, seq.images[f],
                         seq.ticks[f], seq.ticks[f] == 0 ? " (held)" : "");
    }
    return true;
}
} // namespace

REGISTER_INFO_KIND("animation", printAnimation);
