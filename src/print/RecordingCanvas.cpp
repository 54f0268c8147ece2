#include "print/RecordingCanvas.h"

namespace bw::print {

int utf8Length(const std::string& s)
{
    int n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

bool RecordingCanvas::beginDoc(const std::string& title)
{
    printing_ = true;
    aborted_ = false;
    page_ = 1;
    CanvasOp op(CanvasOp::Begin);
    op.text = title;
    record(op);
    return true;
}

void RecordingCanvas::newPage()
{
    if (!printing_) return;
    ++page_;
    record(CanvasOp(CanvasOp::NewPage));
}

void RecordingCanvas::endDoc()
{
    if (!printing_) return;
    printing_ = false;
    record(CanvasOp(CanvasOp::End));
}

void RecordingCanvas::abort()
{
    if (!printing_) return;
    printing_ = false;
    aborted_ = true;
    record(CanvasOp(CanvasOp::Abort));
}

int RecordingCanvas::pageWidth() const
{
    double mm = orientation_ == Orientation::Portrait ? paper_.widthMm : paper_.heightMm;
    return static_cast<int>(mm * dpi_ / 25.4 + 0.5);
}

int RecordingCanvas::pageHeight() const
{
    double mm = orientation_ == Orientation::Portrait ? paper_.heightMm : paper_.widthMm;
    return static_cast<int>(mm * dpi_ / 25.4 + 0.5);
}

int RecordingCanvas::textWidth(const std::string& utf8) const
{
    return (utf8Length(utf8) * em() + 1) / 2;
}

void RecordingCanvas::textOut(int x, int y, const std::string& utf8)
{
    if (!printing_) return;
    CanvasOp op(CanvasOp::Text);
    op.x = x;
    op.y = y;
    op.text = utf8;
    record(op);
}

void RecordingCanvas::line(int x1, int y1, int x2, int y2, LineStyle style, int widthPx, bool grey)
{
    if (!printing_) return;
    CanvasOp op(CanvasOp::Line);
    op.x = x1;
    op.y = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.style = style;
    op.width = widthPx;
    op.grey = grey;
    record(op);
}

void RecordingCanvas::record(CanvasOp op)
{
    op.page = page_;
    op.font = font_;
    op.orientation = orientation_;
    ops_.push_back(std::move(op));
}

std::vector<CanvasOp> RecordingCanvas::texts(int page) const
{
    std::vector<CanvasOp> out;
    for (const auto& op : ops_)
        if (op.kind == CanvasOp::Text && op.page == page) out.push_back(op);
    return out;
}

std::vector<CanvasOp> RecordingCanvas::lines(int page) const
{
    std::vector<CanvasOp> out;
    for (const auto& op : ops_)
        if (op.kind == CanvasOp::Line && op.page == page) out.push_back(op);
    return out;
}

const CanvasOp* RecordingCanvas::findText(const std::string& s) const
{
    for (const auto& op : ops_)
        if (op.kind == CanvasOp::Text && op.text == s) return &op;
    return nullptr;
}

} // namespace bw::print
