#include "edit/stage_view.h"
#include "edit/stage_pictures.h"

#include "level/graphics.h"

#include <algorithm>

bool CellRect::contains(int x, int y) const {
    return x >= std::min(x0, x1) && x <= std::max(x0, x1) && y >= std::min(y0, y1) &&
           y <= std::max(y0, y1);
}

void StageView::toggleZoom(int stageWidth, int stageHeight) {
    // Zooming keeps the middle of the view in the middle.
    int middleX = scrollX + columns() / 2, middleY = scrollY + rows() / 2;
    cellSize = cellSize == 16 ? 8 : 16;
    scrollX = middleX - columns() / 2;
    scrollY = middleY - rows() / 2;
    scroll(0, 0, stageWidth, stageHeight);
}

void StageView::scroll(int dx, int dy, int stageWidth, int stageHeight) {
    scrollX = std::max(0, std::min(scrollX + dx, stageWidth - columns()));
    scrollY = std::max(0, std::min(scrollY + dy, stageHeight - rows()));
}

void StageView::show(int x, int y, int stageWidth, int stageHeight) {
    if (x < scrollX) scrollX = x;
    if (x >= scrollX + columns()) scrollX = x - columns() + 1;
    if (y < scrollY) scrollY = y;
    if (y >= scrollY + rows()) scrollY = y - rows() + 1;
    scroll(0, 0, stageWidth, stageHeight);
}

bool StageView::cellAt(int pageX, int pageY, int& cellX, int& cellY) const {
    if (pageX < left || pageY < top || pageX >= left + columns() * cellSize ||
        pageY >= top + rows() * cellSize)
        return false;
    cellX = scrollX + (pageX - left) / cellSize;
    cellY = scrollY + (pageY - top) / cellSize;
    return true;
}

void StageView::drawSprite(Picture& page, const Picture& sprite, int cellX, int cellY, int size,
                           int raise) const {
    if (!sprite) return;
    int x = left + (cellX - scrollX) * cellSize, y = top + (cellY - scrollY) * cellSize;
    int drawn = size * cellSize / 16;
    drawMaskedScaled(sprite, page, 0, 0, size, size, x, y - raise * cellSize / 16, drawn, drawn);
}

void StageView::draw(Picture& page, const StageSource& stage, const StagePictures& pictures,
                     const CellRect* marked, int hoverX, int hoverY) const {
    int stageWidth = stage.grid.empty() ? 0 : (int)stage.grid[0].size();
    int stageHeight = (int)stage.grid.size();
    fillRectangle(page, left, top, width, height, colourOf(24, 24, 32));
    // The background, tiled as play scrolls it.
    const Picture& back = pictures.background();
    int shownWidth = std::min(columns(), stageWidth - scrollX) * cellSize;
    int shownHeight = std::min(rows(), stageHeight - scrollY) * cellSize;
    if (back && cellSize == 16)
        for (int y = 0; y < shownHeight; y += back.height())
            for (int x = 0; x < shownWidth; x += back.width())
                copyArea(back, page, 0, 0, left + x, top + y,
                         std::min(back.width(), shownWidth - x),
                         std::min(back.height(), shownHeight - y));
    else
        fillRectangle(page, left, top, shownWidth, shownHeight, colourOf(96, 160, 200));
    Colour missing = colourOf(255, 0, 128);
    for (int cy = scrollY; cy < std::min(stageHeight, scrollY + rows()); ++cy)
        for (int cx = scrollX; cx < std::min(stageWidth, scrollX + columns()); ++cx) {
            char c = stage.grid[cy][cx];
            if (c == '.' || c == ' ') continue;
            int x = left + (cx - scrollX) * cellSize, y = top + (cy - scrollY) * cellSize;
            const StageKey* key = stage.key(c);
            const Picture* tile = key ? pictures.tile(key->tile) : nullptr;
            if (tile)
                drawMaskedScaled(*tile, page, 0, 0, 16, 16, x, y, cellSize, cellSize);
            else
                outlineRectangle(page, x + 1, y + 1, cellSize - 2, cellSize - 2, missing);
            // A treasure sits on top of its block.
            if (key && key->bonus == 1) drawSprite(page, goldSheet, cx, cy - 1, 16, 0);
            if (key && key->bonus >= 2) drawSprite(page, cupSheet, cx, cy - 1, 16, 0);
        }
    for (const StageEnemy& e : stage.enemies)
        if (e.kind >= 0 && e.kind < 3 && e.cellX >= scrollX && e.cellY >= scrollY &&
            e.cellX < scrollX + columns() && e.cellY < scrollY + rows())
            drawSprite(page, enemySheets[e.kind], e.cellX, e.cellY, 16, 0);
    if (stage.hasStart) {
        int sx = stage.startInPixels ? stage.startX / 16 : stage.startX;
        int sy = stage.startInPixels ? stage.startY / 16 : stage.startY;
        if (sx >= scrollX && sy >= scrollY && sx < scrollX + columns() && sy < scrollY + rows())
            drawSprite(page, ballSheet, sx, sy, 16, 0);
    }
    if (gridShown) {
        Colour line = colourOf(70, 70, 90);
        for (int x = 0; x <= shownWidth; x += cellSize)
            fillRectangle(page, left + x, top, 1, shownHeight, line);
        for (int y = 0; y <= shownHeight; y += cellSize)
            fillRectangle(page, left, top + y, shownWidth, 1, line);
    }
    if (marked) {
        int x0 = std::min(marked->x0, marked->x1) - scrollX,
            y0 = std::min(marked->y0, marked->y1) - scrollY;
        int w = std::abs(marked->x1 - marked->x0) + 1, h = std::abs(marked->y1 - marked->y0) + 1;
        outlineRectangle(page, left + x0 * cellSize, top + y0 * cellSize, w * cellSize,
                         h * cellSize, colourOf(255, 255, 0));
    }
    if (hoverX >= scrollX && hoverY >= scrollY && hoverX < scrollX + columns() &&
        hoverY < scrollY + rows())
        outlineRectangle(page, left + (hoverX - scrollX) * cellSize,
                         top + (hoverY - scrollY) * cellSize, cellSize, cellSize,
                         colourOf(255, 255, 255));
}
