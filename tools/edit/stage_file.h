#pragma once

#include "assets/map_source.h"

#include <string>
#include <vector>

// A stage source on disk: read whole, with the faults of the lines that could
// not be read; written whole or not at all.
bool readStageFile(const std::string& path, StageSource& stage, std::vector<SourceFault>& faults);
bool writeStageFile(const std::string& path, const StageSource& stage);
bool writeTextFile(const std::string& path, const std::string& text);
