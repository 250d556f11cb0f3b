#pragma once

#include "assets/source_file.h"

#include <string>
#include <utility>
#include <vector>

// One drawing step of a scene: a kind and its key=value words, in source order
// (a key such as "wave" may repeat).
struct SceneLayer {
    int line = 0;
    std::string kind;
    std::vector<std::pair<std::string, std::string>> args;
};

// A generated picture: its size, how many frames side by side, whether shapes
// wrap around the left and right edges (so the picture tiles), and its layers.
struct Scene {
    int width = 320, height = 240;
    int frames = 1;
    bool wrap = true;
    std::vector<SceneLayer> layers;
};

// Reads the scene's settings and layer lines; reports and returns false on a
// malformed line or an unknown layer kind.
bool parseScene(const SourceFile& file, Scene& scene);
