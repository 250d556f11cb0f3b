#include "assets/content_folder.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

std::vector<std::string> listSources(const std::string& contentDir, const char* folder) {
    std::vector<std::string> paths;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(contentDir + "/" + folder, ec))
        if (entry.is_regular_file() && entry.path().extension() == ".txt")
            paths.push_back(entry.path().string());
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::vector<std::string> listSourcesBelow(const std::string& contentDir, const char* folder,
                                          const char* extension) {
    std::vector<std::string> paths;
    std::error_code ec;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(contentDir + "/" + folder, ec))
        if (entry.is_regular_file() && entry.path().extension() == extension)
            paths.push_back(entry.path().string());
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::string pictureOutputName(const std::string& contentDir, const char* folder,
                              const std::string& source) {
    namespace fs = std::filesystem;
    fs::path relative = fs::relative(source, fs::path(contentDir) / folder);
    std::string stem = relative.stem().string();
    bool upper = std::any_of(stem.begin(), stem.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    std::string name = "BITMAP";
    for (const auto& part : relative.parent_path())
        name += "\\" + part.string();
    return name + "\\" + stem + (upper ? ".BMP" : ".bmp");
}

std::string sourceStem(const std::string& path, bool upper) {
    std::string stem = std::filesystem::path(path).stem().string();
    if (upper)
        for (char& c : stem)
            c = (char)std::toupper((unsigned char)c);
    return stem;
}

std::string textAfterKeyword(const std::string& line, const std::string& keyword) {
    std::string text = trim(line);
    return trim(text.substr(std::min(keyword.size(), text.size())));
}

bool checkTextFits(const SourceFile& file, int line, const char* what, const std::string& text,
                   int maxBytes) {
    if ((int)text.size() <= maxBytes) return true;
    sourceError(file.path(), line,
                std::string(what) + " is " + std::to_string(text.size()) +
                    " bytes long; the game holds at most " + std::to_string(maxBytes));
    return false;
}
