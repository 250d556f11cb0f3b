// content/scenes/<FOLDER>/<NAME>.txt -> "BITMAP\<FOLDER>\<NAME>.BMP": pictures
// drawn by layers of simple generators (gradients, hills from sums of sines,
// clouds, stars...) instead of by hand. Backgrounds wrap, so they tile every
// picture width. The format is described in docs/MODDING.md ("Scenes").
#include "assets/compiler.h"
#include "assets/content_folder.h"
#include "assets/scene_layers.h"
#include "assets/scene_source.h"

#include <algorithm>
#include <filesystem>

namespace {
namespace fs = std::filesystem;

bool renderScene(const Scene& scene, const SceneContext& context, Image& out) {
    out = Image(scene.width * scene.frames, scene.height);
    for (int f = 0; f < scene.frames; ++f) {
        Canvas canvas(scene.width, scene.height, scene.wrap, f);
        for (const SceneLayer& layer : scene.layers)
            if (!drawLayer(layer, context, canvas)) return false;
        out.paste(canvas.picture(), f * scene.width, 0);
    }
    return true;
}

bool compileScenes(const std::string& contentDir) {
    fs::path root = fs::path(contentDir) / "scenes";
    if (!fs::exists(root)) return true;
    Letters letters;
    fs::path lettersPath = root / "letters.glyphs";
    if (fs::exists(lettersPath) && !letters.load(lettersPath.string())) return false;
    bool ok = true;
    for (const fs::path source : listSourcesBelow(contentDir, "scenes", ".txt")) {
        SourceFile file;
        Scene scene;
        Image image;
        SceneContext context{source.string(), &letters};
        if (!file.read(source.string()) || !parseScene(file, scene) ||
            !renderScene(scene, context, image)) {
            ok = false;
            continue;
        }
        std::string output = pictureOutputName(contentDir, "scenes", source.string());
        if (!writeBmp(image, output.c_str())) {
            sourceError(source.string(), 0, "cannot write " + output);
            ok = false;
        }
    }
    return ok;
}
} // namespace

REGISTER_COMPILER("scenes", compileScenes);
