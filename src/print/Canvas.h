#pragma once

// The printer's drawing surface as the layouts see it: a document of pages, measured in
// device pixels from the top left corner of the paper. Every printout (listings, labels,
// band reports, the booklet catalogue) draws through this interface, so a layout can be
// tested on the recording canvas with fixed metrics and printed on the Qt canvas.

#include <string>

namespace bw::print {

enum class Orientation { Portrait, Landscape };

enum class LineStyle { Solid, Dotted, DashDotDot };

struct Font {
    std::string name = "Arial";
    double points = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const Font&) const = default;
};

// Paper size in millimetres, held upright (portrait).
struct PaperSize {
    double widthMm = 210.0;
    double heightMm = 297.0;

    static PaperSize a4() { return {210.0, 297.0}; }
    static PaperSize letter() { return {215.9, 279.4}; }
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // Set before beginDoc; orientation may also change between pages.
    virtual void setPaperSize(PaperSize size) = 0;
    virtual void setOrientation(Orientation o) = 0;
    virtual Orientation orientation() const = 0;

    // Starts the print job. Returns false when the device cannot be opened.
    virtual bool beginDoc(const std::string& title) = 0;
    virtual void newPage() = 0;
    virtual void endDoc() = 0;
    // Throws the job away; nothing more is drawn and endDoc does nothing.
    virtual void abort() = 0;
    virtual bool aborted() const = 0;
    virtual bool printing() const = 0;

    // Page size in device pixels in the current orientation, and pixels per inch.
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;
    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;

    virtual void setFont(const Font& f) = 0;
    virtual const Font& font() const = 0;
    // Metrics of the current font, in device pixels.
    virtual int textWidth(const std::string& utf8) const = 0;
    virtual int lineHeight() const = 0;  // distance from one line to the next
    virtual int ascent() const = 0;

    // Draws text with the top of its line box at y (as the system's text-out does).
    virtual void textOut(int x, int y, const std::string& utf8) = 0;
    // A line of the given width in pixels (0 = thinnest); grey draws it in mid grey.
    virtual void line(int x1, int y1, int x2, int y2, LineStyle style = LineStyle::Solid,
                      int widthPx = 0, bool grey = false) = 0;

    // Helpers for layouts measured in paper units.
    int mmToX(double mm) const { return static_cast<int>(mm * dpiX() / 25.4 + 0.5); }
    int mmToY(double mm) const { return static_cast<int>(mm * dpiY() / 25.4 + 0.5); }
    int ptToY(double pt) const { return static_cast<int>(pt * dpiY() / 72.0 + 0.5); }
    int ptToX(double pt) const { return static_cast<int>(pt * dpiX() / 72.0 + 0.5); }
};

} // namespace bw::print
