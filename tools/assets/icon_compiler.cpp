// content/icons/<name>.txt -> "<SIZE>x<SIZE>/apps/<name>.png" for the desktop's
// hicolor theme, in a folder of their own (build/icons), compiled only when
// asked for by name ("icons"). The source names a frame of a sprite sheet and
// the sizes; each icon is the frame enlarged by the largest whole number that
// fits, centred on transparency, so the pixel art stays crisp:
//
//   picture  bitmaps/GENERAL/tumblo.pix  0 0
//   sizes    16 22 24 32 48 64 128 256
#include "assets/compiler.h"
#include "assets/content_folder.h"
#include "assets/pixel_art.h"
#include "assets/png_file.h"

#include <filesystem>

namespace {
Image enlarged(const Image& frame, int size) {
    int scale = std::max(1, std::min(size / frame.width(), size / frame.height()));
    Image icon(size, size);
    icon.fill(maskColour);
    int left = (size - frame.width() * scale) / 2, top = (size - frame.height() * scale) / 2;
    for (int y = 0; y < frame.height() * scale; ++y)
        for (int x = 0; x < frame.width() * scale; ++x)
            icon.set(left + x, top + y, frame.at(x / scale, y / scale));
    return icon;
}

bool compileIcon(const std::string& contentDir, const std::string& path) {
    SourceFile file;
    if (!file.read(path)) return false;
    std::string picture;
    int column = -1, row = -1;
    std::vector<int> sizes;
    for (const SourceLine& here : file.lines()) {
        std::vector<std::string> words = splitWords(here.text);
        if (words.empty()) continue;
        if (words[0] == "picture" && words.size() == 4 && parseInt(words[2], column) &&
            parseInt(words[3], row)) {
            picture = words[1];
        } else if (words[0] == "sizes" && words.size() > 1) {
            for (size_t i = 1; i < words.size(); ++i) {
                int size = 0;
                if (!parseInt(words[i], size) || size < 8 || size > 1024) {
                    sourceError(path, here.number, "a size is a number from 8 to 1024");
                    return false;
                }
                sizes.push_back(size);
            }
        } else {
            sourceError(path, here.number, "expected 'picture SHEET COLUMN ROW' or 'sizes N...'");
            return false;
        }
    }
    if (picture.empty() || sizes.empty()) {
        sourceError(path, 0, "an icon needs a picture and its sizes");
        return false;
    }
    SourceFile sheetFile;
    PixelArtSheet sheet;
    if (!sheetFile.read(contentDir + "/" + picture) || !readPixelArtSheet(sheetFile, sheet))
        return false;
    auto frame = sheet.frames.find({column, row});
    if (frame == sheet.frames.end()) {
        sourceError(path, 0,
                    picture + " has no frame " + std::to_string(column) + " " +
                        std::to_string(row));
        return false;
    }
    for (int size : sizes) {
        std::string folder = std::to_string(size) + "x" + std::to_string(size) + "/apps";
        std::filesystem::create_directories(folder);
        std::string target = folder + "/" + sourceStem(path, false) + ".png";
        if (!writePng(enlarged(frame->second, size), target)) {
            sourceError(path, 0, "cannot write " + target);
            return false;
        }
    }
    return true;
}

bool compileIcons(const std::string& contentDir) {
    bool ok = true;
    for (const std::string& path : listSources(contentDir, "icons"))
        ok = compileIcon(contentDir, path) && ok;
    return ok;
}
} // namespace

REGISTER_COMPILER("icons", compileIcons);
