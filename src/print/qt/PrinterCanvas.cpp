#include "print/qt/PrinterCanvas.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

namespace bw::print {

namespace {

struct FontPair {
    const char* layout;
    const char* liberation;
};
constexpr FontPair kFonts[] = {
    {"Arial", "Liberation Sans"},
    {"Courier New", "Liberation Mono"},
    {"Times New Roman", "Liberation Serif"},
};

} // namespace

QString resolveFontFamily(const std::string& name)
{
    for (const auto& f : kFonts)
        if (name == f.layout) return QString::fromLatin1(f.liberation);
    return QString::fromStdString(name);
}

std::string layoutFontName(const QString& family)
{
    for (const auto& f : kFonts)
        if (family == QLatin1String(f.liberation)) return f.layout;
    return family.toStdString();
}

void installFontSubstitutes()
{
    for (const auto& f : kFonts)
        QFont::insertSubstitution(QString::fromLatin1(f.layout), QString::fromLatin1(f.liberation));
}

QFont toQFont(const Font& f)
{
    QFont q(resolveFontFamily(f.name));
    q.setPointSizeF(f.points > 0 ? f.points : 10);
    q.setBold(f.bold);
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    return q;
}

std::unique_ptr<QPrinter> makePdfPrinter(const QString& path)
{
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setOutputFileName(path);
    p->setPageSize(QPageSize(QPageSize::A4));
    return p;
}

PrinterCanvas::PrinterCanvas(QPrinter& printer) : printer_(printer)
{
    printer_.setFullPage(true);
    qfont_ = toQFont(font_);
}

PrinterCanvas::~PrinterCanvas()
{
    if (painter_.isActive()) painter_.end();
}

void PrinterCanvas::setPaperSize(PaperSize size)
{
    printer_.setPageSize(QPageSize(QSizeF(size.widthMm, size.heightMm), QPageSize::Millimeter,
                                   QString(), QPageSize::FuzzyMatch));
}

void PrinterCanvas::setOrientation(Orientation o)
{
    printer_.setPageOrientation(o == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

Orientation PrinterCanvas::orientation() const
{
    return printer_.pageLayout().orientation() == QPageLayout::Landscape ? Orientation::Landscape
                                                                         : Orientation::Portrait;
}

bool PrinterCanvas::beginDoc(const std::string& title)
{
    printer_.setDocName(QString::fromStdString(title));
    printer_.setFullPage(true);
    aborted_ = false;
    if (!painter_.begin(&printer_)) return false;
    printing_ = true;
    return true;
}

void PrinterCanvas::newPage()
{
    if (printing_) printer_.newPage();
}

void PrinterCanvas::endDoc()
{
    if (!printing_) return;
    painter_.end();
    printing_ = false;
}

void PrinterCanvas::abort()
{
    if (!printing_) return;
    printer_.abort();
    painter_.end();
    printing_ = false;
    aborted_ = true;
}

int PrinterCanvas::pageWidth() const
{
    return printer_.pageLayout().fullRectPixels(printer_.resolution()).width();
}

int PrinterCanvas::pageHeight() const
{
    return printer_.pageLayout().fullRectPixels(printer_.resolution()).height();
}

int PrinterCanvas::dpiX() const { return printer_.resolution(); }
int PrinterCanvas::dpiY() const { return printer_.resolution(); }

void PrinterCanvas::setFont(const Font& f)
{
    if (f == font_) return;
    font_ = f;
    qfont_ = toQFont(f);
}

int PrinterCanvas::textWidth(const std::string& utf8) const
{
    return QFontMetrics(qfont_, &printer_).horizontalAdvance(QString::fromStdString(utf8));
}

int PrinterCanvas::lineHeight() const
{
    return QFontMetrics(qfont_, &printer_).lineSpacing();
}

int PrinterCanvas::ascent() const
{
    return QFontMetrics(qfont_, &printer_).ascent();
}

void PrinterCanvas::textOut(int x, int y, const std::string& utf8)
{
    if (!printing_) return;
    painter_.setFont(qfont_);
    painter_.setPen(Qt::black);
    painter_.drawText(QPoint(x, y + ascent()), QString::fromStdString(utf8));
}

void PrinterCanvas::line(int x1, int y1, int x2, int y2, LineStyle style, int widthPx, bool grey)
{
    if (!printing_) return;
    QPen pen(grey ? QColor(128, 128, 128) : QColor(Qt::black));
    // the thinnest line is one printer dot: a hairline on paper, but visible
    pen.setWidth(widthPx > 0 ? widthPx : std::max(1, dpiX() / 300));
    switch (style) {
    case LineStyle::Solid: pen.setStyle(Qt::SolidLine); break;
    case LineStyle::Dotted: pen.setStyle(Qt::DotLine); break;
    case LineStyle::DashDotDot: pen.setStyle(Qt::DashDotDotLine); break;
    }
    painter_.setPen(pen);
    painter_.drawLine(x1, y1, x2, y2);
}

} // namespace bw::print
