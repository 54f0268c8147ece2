#include "print/LabelPrinter.h"

#include "print/Utf8.h"

#include <algorithm>

namespace bw::print {

int LabelStock::across() const
{
    int step = labelWidth + columnGap;
    return step > 0 ? (paperWidth - leftMargin - rightMargin + columnGap) / step : 0;
}

int LabelStock::down() const
{
    int step = labelHeight + rowGap;
    return step > 0 ? (paperHeight - topMargin - bottomMargin + rowGap) / step : 0;
}

LabelStock LabelStock::parcel()
{
    return {"parcel", 1390, 991, 102, 47, -781, 914, 0, 26, Orientation::Landscape};
}

LabelStock LabelStock::shipping()
{
    return {"shipping", 990, 570, 47, 67, 48, 52, 26, 0, Orientation::Portrait};
}

LabelStock LabelStock::address()
{
    return {"address", 990, 381, 47, 159, 48, 143, 26, 0, Orientation::Portrait};
}

LabelStock LabelStock::judge()
{
    return {"judge", 635, 381, 72, 159, 74, 143, 25, 0, Orientation::Portrait};
}

LabelPosition labelPosition(int k, int across)
{
    if (across < 1) across = 1;
    if (k < 1) k = 1;
    return {(k - 1) / across + 1, (k - 1) % across + 1};
}

SheetCount sheetsNeeded(int labels, int perSheet)
{
    if (labels <= 0 || perSheet <= 0) return {};
    return {(labels + perSheet - 1) / perSheet, labels % perSheet};
}

std::vector<int> stackLineTops(const LabelStack& stack)
{
    std::vector<int> tops;
    int y = 0;
    for (const auto& line : stack.lines) {
        std::string t = line.currentText();
        if (t.find_first_not_of(' ') == std::string::npos) {
            tops.push_back(-1);
            continue;
        }
        y += stack.gap;
        tops.push_back(y);
        y += line.height;
    }
    return tops;
}

void LabelPrinter::labelOrigin(const Canvas& canvas, int index, bool centre, int& x, int& y) const
{
    const int across = std::max(1, stock_.across());
    const int row = index / across, col = index % across;
    // tenths of a millimetre to device pixels
    auto px = [](int tenths, int dpi) { return static_cast<int>(tenths * dpi / 254.0 + 0.5); };
    int left = px(stock_.leftMargin, canvas.dpiX());
    if (centre) {
        int grid = px(across * stock_.labelWidth + (across - 1) * stock_.columnGap, canvas.dpiX());
        left = (canvas.pageWidth() - grid) / 2;
    }
    x = left + px(col * (stock_.labelWidth + stock_.columnGap), canvas.dpiX());
    y = px(stock_.topMargin + row * (stock_.labelHeight + stock_.rowGap), canvas.dpiY());
}

LabelRunResult LabelPrinter::print(Canvas& canvas, const LabelRun& run)
{
    LabelRunResult result;
    const int perSheet = stock_.perSheet();
    if (perSheet <= 0) return result;
    const int across = stock_.across();
    int row = std::clamp(run.startRow, 1, stock_.down());
    int col = std::clamp(run.startColumn, 1, across);
    int index = (row - 1) * across + (col - 1);
    bool begun = false;

    while (true) {
        bool atEnd = run.atEnd ? run.atEnd() : true;
        LabelAction action = atEnd ? LabelAction::Stop : LabelAction::Print;
        if (run.beforePrint) run.beforePrint(action);
        // past the last record there is nothing to print, whatever the hook answered
        if (action == LabelAction::Stop || atEnd) break;
        if (action == LabelAction::Print) {
            for (int copy = 0; copy < std::max(1, run.copies); ++copy) {
                if (!begun) {
                    canvas.setPaperSize(stock_.paper());
                    canvas.setOrientation(stock_.orientation);
                    if (!canvas.beginDoc(run.title)) {
                        result.deviceFailed = true;
                        return result;
                    }
                    begun = true;
                    result.sheets = 1;
                } else if (index >= perSheet) {
                    canvas.newPage();
                    ++result.sheets;
                    index = 0;
                }
                int x, y;
                labelOrigin(canvas, index, run.centre, x, y);
                drawLabel(canvas, x, y);
                ++index;
                ++result.labels;
            }
            if (run.afterPrint) run.afterPrint();
        }
        if (canvas.aborted()) {
            result.aborted = true;
            return result;
        }
        if (run.next) run.next();
    }
    if (begun) canvas.endDoc();
    return result;
}

void LabelPrinter::drawLabel(Canvas& canvas, int x, int y)
{
    for (const auto& t : layout_.texts) drawText(canvas, t, x, y, t.currentText());
    for (const auto& s : layout_.stacks) {
        std::vector<int> tops = stackLineTops(s);
        for (size_t i = 0; i < s.lines.size(); ++i) {
            if (tops[i] < 0) continue;
            LabelText line = s.lines[i];
            line.left += s.left;
            line.top = s.top + tops[i];
            drawText(canvas, line, x, y, s.lines[i].currentText());
        }
    }
}

void LabelPrinter::drawText(Canvas& canvas, const LabelText& t, int x, int y, const std::string& text)
{
    auto ux = [&](int u) { return static_cast<int>(u * canvas.dpiX() / 96.0 + 0.5); };
    auto uy = [&](int u) { return static_cast<int>(u * canvas.dpiY() / 96.0 + 0.5); };
    canvas.setFont(Font{t.fontName, t.charHeight * 72.0 / 96.0, t.bold});
    std::string shown = text;
    const int boxWidth = ux(t.width);
    if (!t.autoSize && t.width > 0 && canvas.textWidth(shown) > boxWidth) {
        // a text item shows what fits in its box
        std::u32string u = utf8Decode(shown);
        while (!u.empty() && canvas.textWidth(utf8Encode(u)) > boxWidth) u.pop_back();
        shown = utf8Encode(u);
    }
    int w = canvas.textWidth(shown);
    int left = x + ux(t.left);
    if (t.align == Align::Center) left += (boxWidth - w) / 2;
    else if (t.align == Align::Right) left += boxWidth - w;
    canvas.textOut(left, y + uy(t.top), shown);
}

} // namespace bw::print
