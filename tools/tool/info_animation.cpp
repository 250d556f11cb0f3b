// info --kind animation: the sequences of an ".ANM" file as Animation::load reads
// them.
#include "tool/data_path.h"
#include "tool/info.h"

#include "level/animation.h"

namespace {
bool printAnimation(const char* path, std::FILE* out) {
    std::string gamePath = "DATA\\" + nameBelowData(path);
    Animation animation;
    if (!animation.load(gamePath.c_str())) return false;
    std::fprintf(out, "animation %s\nsequences %d\n", gamePath.c_str(), animation.sequenceCount);
    for (int s = 0; s < animation.sequenceCount; ++s) {
        const AnimationSequence& seq = animation.sequences[s];
        std::fprintf(out, "sequence %d frames %d", s, seq.frameCount);
        if (seq.loopFrame == -1)
            std::fprintf(out, " then sequence %d\n", seq.nextSequence);
        else
            std::fprintf(out, " loop to frame %d\n", seq.loopFrame);
        for (int f = 0; f < seq.frameCount; ++f)
            std::fprintf(out, "  frame %d image %d ticks %d%s\n", f, seq.frames[f].image,
                         seq.frames[f].ticks, seq.frames[f].ticks == 0 ? " (held)" : "");
    }
    return true;
}
} // namespace

REGISTER_INFO_KIND("animation", printAnimation);
