#include "print/BandReport.h"

#include "print/Utf8.h"

#include <algorithm>

namespace bw::print {

std::string pageOfPages(const ReportPageInfo& info)
{
    return "Page " + std::to_string(info.page) + " of " + std::to_string(info.pageCount);
}

ReportItem ReportItem::label(double top, double left, double width, double height, Font font,
                             std::string text, Align align)
{
    ReportItem i;
    i.topMm = top;
    i.leftMm = left;
    i.widthMm = width;
    i.heightMm = height;
    i.font = std::move(font);
    i.text = std::move(text);
    i.align = align;
    return i;
}

ReportItem ReportItem::field(double top, double left, double width, double height, Font font,
                             std::function<std::string()> value, Align align)
{
    ReportItem i = label(top, left, width, height, std::move(font), {}, align);
    i.value = std::move(value);
    return i;
}

ReportItem ReportItem::hline(double top, double left, double width, double height, LineStyle style,
                             double widthPt)
{
    ReportItem i;
    i.kind = Line;
    i.topMm = top;
    i.leftMm = left;
    i.widthMm = width;
    i.heightMm = height;
    i.lineStyle = style;
    i.lineWidthPt = widthPt;
    return i;
}

std::vector<std::string> wrapText(const Canvas& canvas, const std::string& text, int width)
{
    std::vector<std::string> lines;
    std::u32string rest = utf8Decode(text);
    while (!rest.empty()) {
        if (canvas.textWidth(utf8Encode(rest)) <= width) {
            lines.push_back(utf8Encode(rest));
            break;
        }
        // longest prefix that fits, then back to the last blank within it
        size_t n = 1;
        while (n < rest.size() && canvas.textWidth(utf8Encode(rest.substr(0, n + 1))) <= width) ++n;
        size_t cut = rest.find_last_of(U' ', n);
        size_t take = (cut != std::u32string::npos && cut > 0 && cut <= n) ? cut : n;
        std::u32string line = rest.substr(0, take);
        while (!line.empty() && line.back() == U' ') line.pop_back();
        lines.push_back(utf8Encode(line));
        rest.erase(0, take);
        while (!rest.empty() && rest.front() == U' ') rest.erase(0, 1);
    }
    if (lines.empty()) lines.push_back({});
    return lines;
}

namespace {

// A band placed on a page, with its texts worked out when it was placed.
struct PlacedBand {
    const ReportBand* band;
    int y;  // device pixels
    std::vector<std::vector<std::string>> texts;  // per item, its lines
};

class BandLayout {
public:
    BandLayout(Canvas& c, const BandReportDef& d) : c_(c), d_(d) {}

    int run(const ReportRecords& records, const std::string& printDate)
    {
        c_.setPaperSize(d_.paper);
        c_.setOrientation(d_.orientation);
        top_ = c_.mmToY(d_.topMm);
        bottom_ = c_.pageHeight() - c_.mmToY(d_.bottomMm);
        left_ = c_.mmToX(d_.leftMm);
        footerTop_ = bottom_ - c_.mmToY(d_.pageFooter.heightMm);

        layout(records);
        if (!c_.beginDoc(d_.title)) return 0;
        ReportPageInfo info{1, static_cast<int>(pages_.size()), printDate};
        for (size_t p = 0; p < pages_.size(); ++p) {
            if (p) c_.newPage();
            info.page = static_cast<int>(p + 1);
            for (const auto& b : pages_[p]) draw(b, &info);
            if (d_.pageFooter.heightMm > 0) {
                PlacedBand footer{&d_.pageFooter, footerTop_, evaluate(d_.pageFooter, &info)};
                draw(footer, &info);
            }
            if (c_.aborted()) return 0;
        }
        c_.endDoc();
        return static_cast<int>(pages_.size());
    }

private:
    void layout(const ReportRecords& records)
    {
        newPage();
        if (d_.titleBand.heightMm > 0) place(d_.titleBand, nullptr);
        while (records.atEnd && !records.atEnd()) {
            PlacedBand b{&d_.detail, 0, evaluate(d_.detail, nullptr)};
            int h = bandHeight(d_.detail, b.texts);
            if (y_ + h > footerTop_ && y_ > bodyTop_) newPage();
            b.y = y_;
            pages_.back().push_back(std::move(b));
            y_ += h;
            if (records.next) records.next();
        }
    }

    void newPage()
    {
        pages_.emplace_back();
        y_ = top_;
        if (d_.pageHeader.heightMm > 0) {
            // the title band stands above the page header on the first page
            if (pages_.size() == 1 && d_.titleBand.heightMm > 0) {
                place(d_.titleBand, nullptr);
                titlePlaced_ = true;
            }
            PlacedBand b{&d_.pageHeader, y_, {}};  // texts filled per page when drawn
            pages_.back().push_back(std::move(b));
            y_ += c_.mmToY(d_.pageHeader.heightMm);
        }
        bodyTop_ = y_;
    }

    void place(const ReportBand& band, const ReportPageInfo* info)
    {
        if (&band == &d_.titleBand && titlePlaced_) return;
        PlacedBand b{&band, y_, evaluate(band, info)};
        y_ += bandHeight(band, b.texts);
        pages_.back().push_back(std::move(b));
    }

    std::vector<std::vector<std::string>> evaluate(const ReportBand& band, const ReportPageInfo* info)
    {
        std::vector<std::vector<std::string>> out;
        for (const auto& item : band.items) {
            std::string t = item.text;
            if (item.pageValue && info) t = item.pageValue(*info);
            else if (item.value) t = item.value();
            if (item.kind == ReportItem::Text && item.wrap) {
                c_.setFont(item.font);
                out.push_back(wrapText(c_, t, c_.mmToX(item.widthMm)));
            } else {
                out.push_back({t});
            }
        }
        return out;
    }

    int bandHeight(const ReportBand& band, const std::vector<std::vector<std::string>>& texts)
    {
        int h = c_.mmToY(band.heightMm);
        if (!band.grows) return h;
        for (size_t i = 0; i < band.items.size(); ++i) {
            const auto& item = band.items[i];
            if (item.kind != ReportItem::Text || texts[i].size() < 2) continue;
            c_.setFont(item.font);
            int extra = static_cast<int>(texts[i].size() - 1) * c_.lineHeight();
            h = std::max(h, c_.mmToY(item.topMm + item.heightMm) + extra + c_.mmToY(1.0));
        }
        return h;
    }

    void draw(const PlacedBand& b, const ReportPageInfo* info)
    {
        auto texts = b.band == &d_.pageHeader ? evaluate(d_.pageHeader, info) : b.texts;
        for (size_t i = 0; i < b.band->items.size(); ++i) {
            const auto& item = b.band->items[i];
            int x = left_ + c_.mmToX(item.leftMm);
            int y = b.y + c_.mmToY(item.topMm);
            int w = c_.mmToX(item.widthMm);
            if (item.kind == ReportItem::Line) {
                int ly = y + c_.mmToY(item.heightMm);
                c_.line(x, ly, x + w, ly, item.lineStyle, c_.ptToY(item.lineWidthPt));
                continue;
            }
            c_.setFont(item.font);
            int lh = c_.lineHeight();
            for (const auto& line : texts[i]) {
                int tw = c_.textWidth(line);
                int tx = x;
                if (item.align == Align::Center) tx = x + (w - tw) / 2;
                else if (item.align == Align::Right) tx = x + w - tw;
                c_.textOut(tx, y, line);
                y += lh;
            }
        }
    }

    Canvas& c_;
    const BandReportDef& d_;
    std::vector<std::vector<PlacedBand>> pages_;
    int top_ = 0, bottom_ = 0, left_ = 0, footerTop_ = 0, bodyTop_ = 0, y_ = 0;
    bool titlePlaced_ = false;
};

} // namespace

int printBandReport(Canvas& canvas, const BandReportDef& def, const ReportRecords& records,
                    const std::string& printDate)
{
    return BandLayout(canvas, def).run(records, printDate);
}

} // namespace bw::print
