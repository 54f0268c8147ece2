#pragma once

// The canvas on a Qt printer: real printers chosen in the print dialog, the print
// preview, and PDF files. Coordinates start at the paper's top left corner (the
// printer is put in full-page mode). Arial, Courier New and Times New Roman are drawn
// with the metric-compatible Liberation fonts.

#include "print/Canvas.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include <memory>

class QPrinter;

namespace bw::print {

// The family Qt should use for a font name of the layouts.
QString resolveFontFamily(const std::string& name);
// The name the layouts use for a family Qt reports (the inverse of resolveFontFamily).
std::string layoutFontName(const QString& family);
// Makes Qt's own text widgets show Arial and Courier New with the Liberation fonts.
void installFontSubstitutes();
QFont toQFont(const Font& f);

// A high-resolution printer writing a PDF file; for tests and "print to file".
std::unique_ptr<QPrinter> makePdfPrinter(const QString& path);

class PrinterCanvas : public Canvas {
public:
    explicit PrinterCanvas(QPrinter& printer);
    ~PrinterCanvas() override;

    void setPaperSize(PaperSize size) override;
    void setOrientation(Orientation o) override;
    Orientation orientation() const override;

    bool beginDoc(const std::string& title) override;
    void newPage() override;
    void endDoc() override;
    void abort() override;
    bool aborted() const override { return aborted_; }
    bool printing() const override { return printing_; }

    int pageWidth() const override;
    int pageHeight() const override;
    int dpiX() const override;
    int dpiY() const override;

    void setFont(const Font& f) override;
    const Font& font() const override { return font_; }
    int textWidth(const std::string& utf8) const override;
    int lineHeight() const override;
    int ascent() const override;

    void textOut(int x, int y, const std::string& utf8) override;
    void line(int x1, int y1, int x2, int y2, LineStyle style, int widthPx, bool grey) override;

private:
    QPrinter& printer_;
    QPainter painter_;
    Font font_;
    QFont qfont_;
    bool printing_ = false;
    bool aborted_ = false;
};

} // namespace bw::print
