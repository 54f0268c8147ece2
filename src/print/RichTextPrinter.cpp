#include "print/RichTextPrinter.h"

#include "print/Utf8.h"

#include <algorithm>

namespace bw::print {

namespace {

const Font kHeaderFont{"Courier New", 10};

// One piece of a paragraph that is placed as a whole: a word, a run of blanks, or a tab.
struct Piece {
    enum Kind { Word, Space, Tab } kind;
    std::string text;
    const CharFormat* format;
};

std::vector<Piece> splitPieces(const Paragraph& p)
{
    std::vector<Piece> out;
    for (const auto& run : p.runs) {
        const std::string& t = run.text;
        size_t i = 0;
        while (i < t.size()) {
            if (t[i] == '\t') {
                out.push_back({Piece::Tab, "\t", &run.format});
                ++i;
                continue;
            }
            bool space = t[i] == ' ';
            size_t j = i;
            while (j < t.size() && t[j] != '\t' && (t[j] == ' ') == space) ++j;
            out.push_back({space ? Piece::Space : Piece::Word, t.substr(i, j - i), &run.format});
            i = j;
        }
    }
    return out;
}

// A piece placed on a line, x relative to the page.
struct Placed {
    int x;
    std::string text;
    const CharFormat* format;
};

struct Line {
    std::vector<Placed> items;
    int height = 0;
    int ascent = 0;
    int right = 0;  // x where the last visible piece ends
};

class Layout {
public:
    Layout(Canvas& c, const RichPrintSetup& s) : c_(c), s_(s) {}

    int run(const RichDoc& doc)
    {
        c_.setOrientation(s_.orientation);
        if (s_.paper) c_.setPaperSize(*s_.paper);
        if (!c_.beginDoc(s_.title)) return 0;
        left_ = c_.mmToX(s_.leftMm);
        right_ = c_.pageWidth() - c_.mmToX(s_.rightMm);
        top_ = c_.mmToY(s_.topMm);
        bottom_ = c_.pageHeight() - c_.mmToY(s_.bottomMm);
        if (right_ <= left_ + c_.dpiX() / 4) right_ = left_ + c_.dpiX() / 4;
        if (bottom_ <= top_ + c_.dpiY() / 4) bottom_ = top_ + c_.dpiY() / 4;
        page_ = 1;
        y_ = top_;
        pageFrame();
        for (const auto& p : doc.paragraphs()) {
            paragraph(p);
            if (c_.aborted()) return 0;
        }
        c_.endDoc();
        return page_;
    }

private:
    int width(const std::string& text, const CharFormat& f)
    {
        c_.setFont(f);
        return c_.textWidth(text);
    }

    void paragraph(const Paragraph& p)
    {
        const int indent = left_ + c_.ptToX(p.leftIndentPt);
        const int firstStart = std::max(left_, indent + c_.ptToX(p.firstIndentPt));
        Line line;
        int x = firstStart;
        bool wrapped = false;  // the line being built continues the paragraph
        auto measureFont = [&](const CharFormat& f) {
            c_.setFont(f);
            line.height = std::max(line.height, c_.lineHeight());
            line.ascent = std::max(line.ascent, c_.ascent());
        };
        auto flush = [&]() {
            if (line.height == 0) measureFont(p.firstFormat());
            emit(line, p.align, indent);
            line = Line();
            x = indent;
            wrapped = true;
        };

        for (const Piece& piece : splitPieces(p)) {
            measureFont(*piece.format);
            if (piece.kind == Piece::Tab) {
                int stop = nextTab(p, x);
                if (stop >= right_) {
                    flush();
                    measureFont(*piece.format);
                    stop = nextTab(p, x);
                }
                x = stop;
                continue;
            }
            int w = width(piece.text, *piece.format);
            if (piece.kind == Piece::Space) {
                // blanks that open a paragraph are kept; those at a line break are not
                if (!line.items.empty() || !wrapped) {
                    line.items.push_back({x, piece.text, piece.format});
                    x += w;
                }
                continue;
            }
            if (x + w > right_ && !line.items.empty()) {
                // the blanks before a wrapped word are not carried to the next line
                while (!line.items.empty() && line.items.back().text.find_first_not_of(' ') == std::string::npos)
                    line.items.pop_back();
                flush();
                measureFont(*piece.format);
            }
            if (x + w > right_) {
                // a word longer than the whole line is cut where it no longer fits
                std::u32string rest = utf8Decode(piece.text);
                while (!rest.empty()) {
                    size_t n = 1;
                    while (n < rest.size() && x + width(utf8Encode(rest.substr(0, n + 1)), *piece.format) <= right_) ++n;
                    std::string part = utf8Encode(rest.substr(0, n));
                    int pw = width(part, *piece.format);
                    line.items.push_back({x, part, piece.format});
                    x += pw;
                    line.right = x;
                    rest.erase(0, n);
                    if (!rest.empty()) {
                        flush();
                        measureFont(*piece.format);
                    }
                }
                continue;
            }
            line.items.push_back({x, piece.text, piece.format});
            x += w;
            line.right = x;
        }
        flush();
    }

    int nextTab(const Paragraph& p, int x)
    {
        for (double t : p.tabStopsPt) {
            int pos = left_ + c_.ptToX(t);
            if (pos > x) return pos;
        }
        int step = std::max(1, c_.ptToX(kDefaultTabPt));
        int lastStop = p.tabStopsPt.empty() ? left_ : left_ + c_.ptToX(p.tabStopsPt.back());
        if (x < lastStop) return lastStop;
        return lastStop + ((x - lastStop) / step + 1) * step;
    }

    void emit(const Line& line, Align align, int indent)
    {
        if (y_ + line.height > bottom_ && y_ > top_) {
            c_.newPage();
            ++page_;
            y_ = top_;
            pageFrame();
        }
        int shift = 0;
        if (align != Align::Left && !line.items.empty()) {
            int used = line.right - line.items.front().x;
            int room = right_ - line.items.front().x;
            shift = align == Align::Right ? room - used : (room - used) / 2;
            if (shift < 0) shift = 0;
        }
        // consecutive pieces in one format are drawn as one text, so that a PDF's text
        // comes back as words and sentences
        size_t i = 0;
        while (i < line.items.size()) {
            const Placed& first = line.items[i];
            std::string text = first.text;
            size_t j = i + 1;
            int expectX = first.x + width(first.text, *first.format);
            while (j < line.items.size() && line.items[j].format == first.format && line.items[j].x == expectX) {
                text += line.items[j].text;
                expectX += width(line.items[j].text, *first.format);
                ++j;
            }
            c_.setFont(*first.format);
            c_.textOut(first.x + shift, y_ + line.ascent - c_.ascent(), text);
            i = j;
        }
        y_ += line.height;
    }

    // Header, footer and border of the current page.
    void pageFrame()
    {
        c_.setFont(kHeaderFont);
        int lh = c_.lineHeight();
        if (!s_.title.empty()) {
            int hy = std::max(0, (top_ - lh) / 2);
            c_.textOut(right_ - c_.textWidth(s_.title), hy, s_.title);
        }
        std::string footer = "Page " + std::to_string(page_);
        int fy = bottom_ + std::max(0, (c_.pageHeight() - bottom_ - lh) / 2);
        c_.textOut(right_ - c_.textWidth(footer), fy, footer);
        if (s_.pageBorders) {
            int m = c_.dpiX() / 20;  // a little air between the frame and the text
            int l = left_ - m, r = right_ + m, t = top_ - m, b = bottom_ + m;
            c_.line(l, t, r, t);
            c_.line(r, t, r, b);
            c_.line(r, b, l, b);
            c_.line(l, b, l, t);
        }
    }

    Canvas& c_;
    const RichPrintSetup& s_;
    int left_ = 0, right_ = 0, top_ = 0, bottom_ = 0;
    int y_ = 0;
    int page_ = 0;
};

} // namespace

int printRichDoc(Canvas& canvas, const RichDoc& doc, const RichPrintSetup& setup)
{
    return Layout(canvas, setup).run(doc);
}

} // namespace bw::print
