#include "assets/scene_source.h"

#include "assets/scene_layers.h"

namespace {
bool readSize(const std::vector<std::string>& words, int& w, int& h) {
    return words.size() == 3 && parseInt(words[1], w) && parseInt(words[2], h) && w >= 1 &&
           h >= 1 && w <= 2048 && h <= 2048;
}
} // namespace

bool parseScene(const SourceFile& file, Scene& scene) {
    bool layersStarted = false;
    for (const SourceLine& line : file.lines()) {
        std::vector<std::string> words = splitWords(line.text);
        if (words.empty()) continue;
        const std::string& key = words[0];
        bool setting = key == "size" || key == "frames" || key == "wrap";
        if (setting && layersStarted) {
            sourceError(file.path(), line.number, key + " must come before the first layer");
            return false;
        }
        if (key == "size") {
            if (!readSize(words, scene.width, scene.height)) {
                sourceError(file.path(), line.number,
                            "size needs a width and a height from 1 to 2048");
                return false;
            }
        } else if (key == "frames") {
            if (words.size() != 2 || !parseInt(words[1], scene.frames) || scene.frames < 1 ||
                scene.frames > 256) {
                sourceError(file.path(), line.number, "frames needs a count from 1 to 256");
                return false;
            }
        } else if (key == "wrap") {
            if (words.size() != 2 || (words[1] != "on" && words[1] != "off")) {
                sourceError(file.path(), line.number, "wrap is on or off");
                return false;
            }
            scene.wrap = words[1] == "on";
        } else if (!isLayerKind(key)) {
            sourceError(file.path(), line.number, "unknown layer '" + key + "'");
            return false;
        } else {
            layersStarted = true;
            SceneLayer layer{line.number, key, {}};
            for (size_t i = 1; i < words.size(); ++i) {
                size_t eq = words[i].find('=');
                if (eq == std::string::npos || eq == 0 || eq + 1 == words[i].size()) {
                    sourceError(file.path(), line.number,
                                "'" + words[i] + "' is not of the form key=value");
                    return false;
                }
                layer.args.push_back({words[i].substr(0, eq), words[i].substr(eq + 1)});
            }
            scene.layers.push_back(layer);
        }
    }
    if (scene.layers.empty()) {
        sourceError(file.path(), 0, "no layers");
        return false;
    }
    return true;
}
