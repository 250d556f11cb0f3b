#pragma once

#include "assets/image.h"

#include <string>

// Writes an 8-bit RGBA ".png" at an ordinary path; mask-coloured pixels become
// fully transparent. For what the desktop reads (icons), not the game.
bool writePng(const Image& image, const std::string& path);
