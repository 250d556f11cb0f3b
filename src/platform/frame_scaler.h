#pragma once

#include <cstdint>
#include <vector>

struct BITMAP;

// Enlarges the 320 by 240 16-bit page by a whole number, nearest neighbour, into a
// bitmap of the screen's own colour depth. The X driver then only copies the
// picture to the window, once per frame, instead of converting the colours and
// sending the picture one line at a time.
class FrameScaler {
public:
    // Makes the colour table for targets of this depth (16, 24 or 32 bits);
    // false for any other depth. Call it after the mode is set, because the mode
    // decides the pixel layouts. It also forgets the last picture.
    bool prepare(int depth);
    int depth() const { return targetDepth; }
    // The target's pixel for every 16-bit page pixel (65536 of them), once prepared.
    const uint32_t* colours() const { return table.data(); }
    // Fills `target` (of the prepared depth, 320 * N by 240 * N pixels for a whole
    // N) with the enlarged picture of a 16-bit page of 320 by 240 pixels. Rows
    // that are the same as in the last call for the same target are left alone:
    // nothing else may draw on the target.
    void scale(BITMAP* page, BITMAP* target);

private:
    int targetDepth = 0;
    // The target's pixel for every 16-bit page pixel.
    std::vector<uint32_t> table;
    // The page rows that the last call enlarged into `shownTarget`.
    std::vector<uint16_t> shownRows;
    const BITMAP* shownTarget = nullptr;
};
