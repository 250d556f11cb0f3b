#pragma once

#include "assets/map_source.h"
#include "platform/picture.h"

class StagePictures;

// A rectangle of cells, as two corners in any order.
struct CellRect {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool contains(int x, int y) const;
};

// The stage as the editor shows it: a window onto the grid, scrolled by cells,
// at one of two zoom levels (a cell 16 pixels, as in play, or 8), with an
// optional grid, drawn with the game's own tiles and sprites.
class StageView {
public:
    int left = 0, top = 16, width = 512, height = 416; // on the page
    int cellSize = 16;
    int scrollX = 0, scrollY = 0; // the first cell shown
    bool gridShown = false;

    void toggleZoom(int stageWidth, int stageHeight);
    // Moves by cells, kept within the stage.
    void scroll(int dx, int dy, int stageWidth, int stageHeight);
    // Brings a cell into view.
    void show(int x, int y, int stageWidth, int stageHeight);
    int columns() const { return width / cellSize; }
    int rows() const { return height / cellSize; }
    // The cell under a page position; false off the view.
    bool cellAt(int pageX, int pageY, int& cellX, int& cellY) const;
    // `marked`: a rectangle being filled or selected (null for none).
    void draw(Picture& page, const StageSource& stage, const StagePictures& pictures,
              const CellRect* marked, int hoverX, int hoverY) const;

private:
    void drawSprite(Picture& page, const Picture& sprite, int cellX, int cellY, int size,
                    int raise) const;
};
