#include "print/RichDoc.h"

namespace bw::print {

std::string Paragraph::text() const
{
    std::string s;
    for (const auto& r : runs) s += r.text;
    return s;
}

void RichDoc::clear()
{
    *this = RichDoc();
}

void RichDoc::setFont(const std::string& name, double points, bool bold, bool italic, bool underline)
{
    format_ = CharFormat{name, points, bold, italic, underline};
}

void RichDoc::addLine(const std::string& utf8)
{
    size_t start = 0;
    while (true) {
        size_t end = utf8.find('\n', start);
        std::string line = utf8.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        Paragraph p;
        p.runs.push_back({line, format_});
        p.leftIndentPt = leftIndent_;
        p.tabStopsPt = tabStops_;
        paragraphs_.push_back(std::move(p));
        if (end == std::string::npos) break;
        start = end + 1;
    }
}

std::vector<std::string> RichDoc::lines() const
{
    std::vector<std::string> out;
    out.reserve(paragraphs_.size());
    for (const auto& p : paragraphs_) out.push_back(p.text());
    return out;
}

std::string RichDoc::plainText() const
{
    std::string s;
    for (size_t i = 0; i < paragraphs_.size(); ++i) {
        if (i) s += '\n';
        s += paragraphs_[i].text();
    }
    return s;
}

} // namespace bw::print
