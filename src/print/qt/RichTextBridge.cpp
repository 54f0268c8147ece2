#include "print/qt/RichTextBridge.h"

#include "print/qt/PrinterCanvas.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <cmath>

namespace bw::print {

namespace {

constexpr double kPxPerPt = 96.0 / 72.0;
// Our tab stops count from the page's left margin (as RTF's do); Qt counts them from the
// paragraph's left indent. The stops as we hold them ride along in this property.
constexpr int kTabStopsProperty = QTextFormat::UserProperty + 1;

double toPt(double px) { return std::round(px / kPxPerPt * 100.0) / 100.0; }

QTextCharFormat charFormat(const CharFormat& f)
{
    QTextCharFormat c;
    c.setFontFamilies({QString::fromStdString(f.name)});
    c.setFontPointSize(f.points);
    c.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    c.setFontItalic(f.italic);
    c.setFontUnderline(f.underline);
    return c;
}

QTextBlockFormat blockFormat(const Paragraph& p)
{
    QTextBlockFormat b;
    b.setLeftMargin(p.leftIndentPt * kPxPerPt);
    b.setTextIndent(p.firstIndentPt * kPxPerPt);
    b.setAlignment(p.align == Align::Center ? Qt::AlignHCenter
                   : p.align == Align::Right ? Qt::AlignRight : Qt::AlignLeft);
    QList<QTextOption::Tab> tabs;
    QVariantList stops;
    for (double t : p.tabStopsPt) {
        stops.append(t);
        if (t > p.leftIndentPt)
            tabs.append(QTextOption::Tab((t - p.leftIndentPt) * kPxPerPt, QTextOption::LeftTab));
    }
    b.setTabPositions(tabs);
    b.setProperty(kTabStopsProperty, stops);
    return b;
}

CharFormat fromQt(const QTextCharFormat& c, const QFont& fallback)
{
    CharFormat f;
    QStringList families = c.fontFamilies().toStringList();
    f.name = layoutFontName(families.isEmpty() ? fallback.family() : families.front());
    f.points = c.fontPointSize() > 0 ? c.fontPointSize() : fallback.pointSizeF();
    f.bold = c.fontWeight() >= QFont::DemiBold;
    f.italic = c.fontItalic();
    f.underline = c.fontUnderline();
    return f;
}

} // namespace

void fillTextDocument(QTextDocument& target, const RichDoc& doc)
{
    installFontSubstitutes();
    target.clear();
    QTextCursor cursor(&target);
    cursor.beginEditBlock();
    bool first = true;
    for (const auto& p : doc.paragraphs()) {
        QTextCharFormat blockChars = charFormat(p.firstFormat());
        if (first) {
            cursor.setBlockFormat(blockFormat(p));
            cursor.setBlockCharFormat(blockChars);
            first = false;
        } else {
            cursor.insertBlock(blockFormat(p), blockChars);
        }
        for (const auto& run : p.runs)
            if (!run.text.empty()) cursor.insertText(QString::fromStdString(run.text), charFormat(run.format));
    }
    cursor.endEditBlock();
    target.setModified(false);
}

RichDoc richDocFromTextDocument(const QTextDocument& source)
{
    RichDoc doc;
    if (source.isEmpty()) return doc;
    const QFont fallback = source.defaultFont();
    for (QTextBlock block = source.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat b = block.blockFormat();
        Paragraph proto;
        proto.leftIndentPt = toPt(b.leftMargin());
        proto.firstIndentPt = toPt(b.textIndent());
        Qt::Alignment a = b.alignment() & Qt::AlignHorizontal_Mask;
        proto.align = a & Qt::AlignHCenter ? Align::Center : a & Qt::AlignRight ? Align::Right : Align::Left;
        if (b.hasProperty(kTabStopsProperty)) {
            for (const QVariant& v : b.property(kTabStopsProperty).toList()) proto.tabStopsPt.push_back(v.toDouble());
        } else {
            for (const auto& t : b.tabPositions())
                proto.tabStopsPt.push_back(toPt(t.position) + proto.leftIndentPt);
        }

        Paragraph p = proto;
        auto finish = [&](const QTextCharFormat& emptyFormat) {
            if (p.runs.empty()) p.runs.push_back({"", fromQt(emptyFormat, fallback)});
            doc.addParagraph(std::move(p));
            p = proto;
        };
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QTextFragment frag = it.fragment();
            if (!frag.isValid()) continue;
            CharFormat f = fromQt(frag.charFormat(), fallback);
            QString text = frag.text();
            text.remove(QChar::ObjectReplacementCharacter);
            // a line break typed inside a paragraph (Shift+Enter) starts a new line
            const QStringList parts = text.split(QChar::LineSeparator);
            for (int i = 0; i < parts.size(); ++i) {
                if (i > 0) finish(frag.charFormat());
                if (parts[i].isEmpty()) continue;
                std::string s = parts[i].toStdString();
                if (!p.runs.empty() && p.runs.back().format == f) p.runs.back().text += s;
                else p.runs.push_back({s, f});
            }
        }
        finish(block.charFormat());
    }
    return doc;
}

} // namespace bw::print
