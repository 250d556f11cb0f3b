#pragma once

#include "assets/tileset_source.h"

#include <string>

// The tiles of a tileset in the game's data tree, named as the stage sources
// name them. The data file keeps no names: each tile is named after its
// picture, as the shipped themes draw them (BITMAP\TILES\TROP_TOP.BMP is "top"),
// and can always be given by its index. False when DATA\<dataName> cannot be
// read.
bool readTileNames(const std::string& dataName, TilesetSource& tileset);

// The name "BITMAP\TILES\TROP_TOP.BMP" gives its tile: "top".
std::string tileNameOfPicture(const std::string& picture);
