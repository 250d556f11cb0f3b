#include "assets/scene_layers.h"

#include <cstring>

namespace {
using Simple = void (*)(LayerArgs&, Canvas&);

struct Kind {
    const char* name;
    Simple draw; // null for text, which also needs the letters
};

const Kind kinds[] = {
    {"fill", drawFill},       {"gradient", drawGradient}, {"hills", drawHills},
    {"wall", drawWall},       {"band", drawBand},         {"noise", drawNoise},
    {"clouds", drawClouds},   {"stars", drawStars},       {"glints", drawGlints},
    {"islands", drawIslands}, {"crystals", drawCrystals}, {"spikes", drawSpikes},
    {"rect", drawRect},       {"disc", drawDisc},         {"ball", drawBall},
    {"text", nullptr},
};
} // namespace

bool isLayerKind(const std::string& kind) {
    for (const Kind& k : kinds)
        if (kind == k.name) return true;
    return false;
}

bool drawLayer(const SceneLayer& layer, const SceneContext& context, Canvas& canvas) {
    LayerArgs args(context.path, layer);
    for (const Kind& k : kinds) {
        if (layer.kind != k.name) continue;
        if (k.draw)
            k.draw(args, canvas);
        else
            drawText(args, canvas, context.letters);
        return args.finish();
    }
    args.fail("unknown layer");
    return false;
}
