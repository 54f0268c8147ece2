#pragma once

// Where the lines of a booklet page go: each landscape sheet carries two half-pages side
// by side. Worked out once per print run from the printer's page size and resolution,
// after the canvas font has been set to Arial 8 regular.

#include "print/Canvas.h"

namespace bw::print {

// a × b / c rounded to the nearest whole number, halves away from zero, as the system's
// multiply-divide does (used for font heights).
int mulDiv(int a, int b, int c);

enum class Side { Left, Right };

struct BookletGeometry {
    int W = 0, H = 0;    // page width and height in landscape, device pixels
    int DX = 0, DY = 0;  // pixels per inch across and down
    int fontHeight = 0;  // fh: an 8-point font in pixels
    int lineHeight = 0;  // LH = fh + fh / 2
    int lines = 0;       // N: lines per half-page
    int top = 0;         // T

    static BookletGeometry compute(const Canvas& canvas, bool pageNumbers);

    int left(Side s) const;
    int right(Side s) const;
    // Top of line k (from 1) of a half-page.
    int lineY(int k) const { return top + k * lineHeight; }
    // Where a text of the given width starts when centred, or right-aligned, on a side.
    int centredX(Side s, int textWidth) const;
    int rightX(Side s, int textWidth) const;
};

} // namespace bw::print
