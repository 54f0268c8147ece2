#pragma once

// A canvas that draws nothing and remembers every call, with fixed, simple metrics, so
// tests can assert the positions a layout computes:
//   em            = points × dpiY / 72, rounded
//   text width    = half an em per character (UTF-8 code point), rounded
//   line height   = em + em / 5;  ascent = em × 4 / 5

#include "print/Canvas.h"

#include <vector>

namespace bw::print {

struct CanvasOp {
    enum Kind { Begin, NewPage, End, Abort, Text, Line };
    explicit CanvasOp(Kind k = Text) : kind(k) {}
    Kind kind;
    int page = 0;  // 1-based page the op belongs to (0 before the first page)
    int x = 0, y = 0, x2 = 0, y2 = 0;
    std::string text;  // text drawn, or the title for Begin
    Font font;
    LineStyle style = LineStyle::Solid;
    int width = 0;
    bool grey = false;
    Orientation orientation = Orientation::Portrait;
};

class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(int dpi = 300, PaperSize paper = PaperSize::a4())
        : dpi_(dpi), paper_(paper) {}

    void setPaperSize(PaperSize size) override { paper_ = size; }
    void setOrientation(Orientation o) override { orientation_ = o; }
    Orientation orientation() const override { return orientation_; }

    bool beginDoc(const std::string& title) override;
    void newPage() override;
    void endDoc() override;
    void abort() override;
    bool aborted() const override { return aborted_; }
    bool printing() const override { return printing_; }

    int pageWidth() const override;
    int pageHeight() const override;
    int dpiX() const override { return dpi_; }
    int dpiY() const override { return dpi_; }

    void setFont(const Font& f) override { font_ = f; }
    const Font& font() const override { return font_; }
    int textWidth(const std::string& utf8) const override;
    int lineHeight() const override { return em() + em() / 5; }
    int ascent() const override { return em() * 4 / 5; }

    void textOut(int x, int y, const std::string& utf8) override;
    void line(int x1, int y1, int x2, int y2, LineStyle style, int widthPx, bool grey) override;

    const std::vector<CanvasOp>& ops() const { return ops_; }
    int pageCount() const { return page_; }
    // The text ops of one page (1-based), in drawing order.
    std::vector<CanvasOp> texts(int page) const;
    std::vector<CanvasOp> lines(int page) const;
    // First text op whose text equals s, or nullptr.
    const CanvasOp* findText(const std::string& s) const;

private:
    int em() const { return static_cast<int>(font_.points * dpi_ / 72.0 + 0.5); }
    void record(CanvasOp op);

    int dpi_;
    PaperSize paper_;
    Orientation orientation_ = Orientation::Portrait;
    Font font_;
    bool printing_ = false;
    bool aborted_ = false;
    int page_ = 0;
    std::vector<CanvasOp> ops_;
};

// Number of Unicode code points in a UTF-8 string.
int utf8Length(const std::string& s);

} // namespace bw::print
