#pragma once

#include "assets/scene_args.h"
#include "assets/scene_canvas.h"
#include "assets/scene_letters.h"
#include "assets/scene_source.h"

#include <string>

// What every layer may draw with besides its own arguments.
struct SceneContext {
    std::string path; // the scene source, for messages
    const Letters* letters = nullptr;
};

bool isLayerKind(const std::string& kind);
// Draws one layer into the frame; reports bad arguments as "file:line: ...".
bool drawLayer(const SceneLayer& layer, const SceneContext& context, Canvas& canvas);

// Landscape layers: broad shapes that fill or scatter across the picture.
void drawFill(LayerArgs& args, Canvas& canvas);
void drawGradient(LayerArgs& args, Canvas& canvas);
void drawHills(LayerArgs& args, Canvas& canvas);
void drawWall(LayerArgs& args, Canvas& canvas);
void drawBand(LayerArgs& args, Canvas& canvas);
void drawNoise(LayerArgs& args, Canvas& canvas);

// Scattered things, placed by a seeded generator.
void drawClouds(LayerArgs& args, Canvas& canvas);
void drawStars(LayerArgs& args, Canvas& canvas);
void drawGlints(LayerArgs& args, Canvas& canvas);
void drawIslands(LayerArgs& args, Canvas& canvas);
void drawCrystals(LayerArgs& args, Canvas& canvas);
void drawSpikes(LayerArgs& args, Canvas& canvas);

// Figures placed by coordinates.
void drawRect(LayerArgs& args, Canvas& canvas);
void drawDisc(LayerArgs& args, Canvas& canvas);
void drawBall(LayerArgs& args, Canvas& canvas);
void drawText(LayerArgs& args, Canvas& canvas, const Letters* letters);
