#include "print/BookletGeometry.h"

#include <cstdlib>

namespace bw::print {

int mulDiv(int a, int b, int c)
{
    if (c == 0) return -1;
    long long p = static_cast<long long>(a) * b;
    long long q = (std::llabs(p) * 2 + std::llabs(c)) / (2 * std::llabs(static_cast<long long>(c)));
    return static_cast<int>((p < 0) != (c < 0) ? -q : q);
}

BookletGeometry BookletGeometry::compute(const Canvas& canvas, bool pageNumbers)
{
    BookletGeometry g;
    g.W = canvas.pageWidth();
    g.H = canvas.pageHeight();
    g.DX = canvas.dpiX();
    g.DY = canvas.dpiY();
    g.fontHeight = std::abs(mulDiv(8, g.DY, 72));
    g.lineHeight = g.fontHeight + g.fontHeight / 2;
    g.lines = (g.lineHeight > 0 ? g.H / g.lineHeight : 0) - 4 + (pageNumbers ? 0 : 3);
    g.top = g.DY / 4;
    return g;
}

int BookletGeometry::left(Side s) const
{
    return s == Side::Left ? 3 * DX / 8 : W / 2 + DX / 2;
}

int BookletGeometry::right(Side s) const
{
    return s == Side::Left ? W / 2 - 3 * DX / 8 : W - 3 * DX / 8;
}

int BookletGeometry::centredX(Side s, int textWidth) const
{
    return left(s) + (right(s) - left(s) - textWidth) / 2;
}

int BookletGeometry::rightX(Side s, int textWidth) const
{
    return left(s) + (right(s) - left(s) - textWidth);
}

} // namespace bw::print
