#pragma once

#include "assets/tileset_source.h"
#include "platform/picture.h"

#include <string>
#include <vector>

// The pictures a stage is drawn with in the editor, loaded from the game's
// data tree: the tiles of its tileset (their first frame), its background, and
// the sprites play shares (ball, enemies, gold, cup).
class StagePictures {
public:
    // Loads again only what changed; false when the tileset cannot be read.
    bool load(const std::string& tileset, const std::string& background);
    const TilesetSource& tiles() const { return names; }
    // The tile a key names (by name or index), or null.
    const Picture* tile(const std::string& tile) const;
    const Picture& background() const { return backdrop; }

private:
    std::string tilesetName, backgroundName;
    TilesetSource names;
    std::vector<Picture> pictures;
    Picture backdrop;
};
