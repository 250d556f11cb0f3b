#include "edit/stage_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

bool readStageFile(const std::string& path, StageSource& stage, std::vector<SourceFault>& faults) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return false;
    parseStageSource(text.str(), stage, faults);
    return true;
}

bool writeTextFile(const std::string& path, const std::string& text) {
    // Beside its place, then renamed over it: a full disk never leaves half a stage.
    std::string temporary = path + ".new";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return false;
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    written = std::fflush(file) == 0 && written;
    written = std::fclose(file) == 0 && written;
    std::error_code error;
    if (written) std::filesystem::rename(temporary, path, error);
    if (!written || error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

bool writeStageFile(const std::string& path, const StageSource& stage) {
    return writeTextFile(path, writeStageSource(stage));
}
