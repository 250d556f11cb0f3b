// content/bitmaps/<FOLDER>/<name>.pix -> "BITMAP\<FOLDER>\<name>.bmp": sprite sheets
// and pictures drawn as text grids of palette characters.
//
//   size 16 16        the size of one frame (required first)
//   frame 0 1         the grid that follows is the frame at column 0, row 1
//   ................  `height` rows of `width` palette characters ("." is the mask)
//   mirror 0 1        row 1 becomes row 0 with every frame flipped left to right
//   copy 2 0 5 0      frame (2, 0) is copied to (5, 0)
//
// The sheet is as large as its highest column and row; frames never drawn stay
// transparent.
#include "assets/compiler.h"
#include "assets/content_folder.h"
#include "assets/image.h"
#include "assets/pixel_art.h"
#include "assets/pixel_grid.h"
#include "assets/source_file.h"

#include <algorithm>
#include <filesystem>
#include <map>

namespace {
namespace fs = std::filesystem;

constexpr int maxFrameSize = 1024;
constexpr int maxFrames = 256;

Image mirrored(const Image& source) {
    Image out(source.width(), source.height());
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            out.set(source.width() - 1 - x, y, source.at(x, y));
    return out;
}

bool readNumbers(const std::vector<std::string>& words, size_t count, int low, int high, int* out) {
    if (words.size() != count + 1) return false;
    for (size_t i = 0; i < count; ++i)
        if (!parseInt(words[i + 1], out[i]) || out[i] < low || out[i] > high) return false;
    return true;
}

} // namespace

bool readPixelArtSheet(const SourceFile& file, PixelArtSheet& sheet) {
    const auto& lines = file.lines();
    for (size_t i = 0; i < lines.size();) {
        const SourceLine& here = lines[i++];
        std::vector<std::string> words = splitWords(here.text);
        if (words.empty()) continue;
        int n[4];
        const std::string& key = words[0];
        if (key == "size") {
            if (!readNumbers(words, 2, 1, maxFrameSize, n)) {
                sourceError(file.path(), here.number,
                            "size needs a width and a height from 1 to 1024");
                return false;
            }
            sheet.frameWidth = n[0];
            sheet.frameHeight = n[1];
        } else if (sheet.frameWidth == 0) {
            sourceError(file.path(), here.number, "the file must start with size");
            return false;
        } else if (key == "frame") {
            if (!readNumbers(words, 2, 0, maxFrames - 1, n)) {
                sourceError(file.path(), here.number,
                            "frame needs a column and a row from 0 to 255");
                return false;
            }
            Image picture;
            if (!readPixelGrid(file, i, sheet.frameWidth, sheet.frameHeight, picture)) return false;
            sheet.frames[{n[0], n[1]}] = picture;
        } else if (key == "mirror") {
            if (!readNumbers(words, 2, 0, maxFrames - 1, n)) {
                sourceError(file.path(), here.number, "mirror needs a source row and a target row");
                return false;
            }
            std::vector<std::pair<std::pair<int, int>, Image>> added;
            for (const auto& [at, picture] : sheet.frames)
                if (at.second == n[0]) added.push_back({{at.first, n[1]}, mirrored(picture)});
            if (added.empty()) {
                sourceError(file.path(), here.number,
                            "row " + words[1] + " has no frames to mirror");
                return false;
            }
            for (auto& [at, picture] : added)
                sheet.frames[at] = picture;
        } else if (key == "copy") {
            if (!readNumbers(words, 4, 0, maxFrames - 1, n)) {
                sourceError(file.path(), here.number, "copy needs two columns and rows");
                return false;
            }
            auto it = sheet.frames.find({n[0], n[1]});
            if (it == sheet.frames.end()) {
                sourceError(file.path(), here.number, "there is no frame to copy there");
                return false;
            }
            Image picture = it->second;
            sheet.frames[{n[2], n[3]}] = picture;
        } else {
            sourceError(file.path(), here.number, "unknown word '" + key + "'");
            return false;
        }
    }
    if (sheet.frames.empty()) {
        sourceError(file.path(), 0, "no frames");
        return false;
    }
    return true;
}

namespace {
bool compilePixelArt(const std::string& contentDir) {
    bool ok = true;
    for (const std::string& source : listSourcesBelow(contentDir, "bitmaps", ".pix")) {
        SourceFile file;
        PixelArtSheet sheet;
        if (!file.read(source) || !readPixelArtSheet(file, sheet)) {
            ok = false;
            continue;
        }
        int columns = 0, rows = 0;
        for (const auto& [at, picture] : sheet.frames) {
            columns = std::max(columns, at.first + 1);
            rows = std::max(rows, at.second + 1);
        }
        Image image(columns * sheet.frameWidth, rows * sheet.frameHeight);
        image.fill(maskColour);
        for (const auto& [at, picture] : sheet.frames)
            image.paste(picture, at.first * sheet.frameWidth, at.second * sheet.frameHeight);
        std::string output = pictureOutputName(contentDir, "bitmaps", source);
        if (!writeBmp(image, output.c_str())) {
            sourceError(source, 0, "cannot write " + output);
            ok = false;
        }
    }
    return ok;
}
} // namespace

REGISTER_COMPILER("bitmaps", compilePixelArt);
