#pragma once

// A rich-text document as the listings build it: paragraphs ("lines") added one by one
// in the character format in force, with the tab stops and left indent in force. It is
// shown and edited in a text editor on screen, written as RTF, printed by the rich-text
// printer; all three read and write this one model.

#include "print/Canvas.h"

#include <string>
#include <vector>

namespace bw::print {

using CharFormat = Font;

enum class Align { Left, Center, Right };

struct TextRun {
    std::string text;  // UTF-8; may hold tab characters
    CharFormat format;

    bool operator==(const TextRun&) const = default;
};

struct Paragraph {
    std::vector<TextRun> runs;  // never empty: an empty line holds one empty run
    double leftIndentPt = 0;
    double firstIndentPt = 0;  // added to the left indent on the first line (may be negative)
    std::vector<double> tabStopsPt;  // from the left margin, ascending
    Align align = Align::Left;

    std::string text() const;
    const CharFormat& firstFormat() const { return runs.front().format; }
    bool operator==(const Paragraph&) const = default;
};

class RichDoc {
public:
    RichDoc() = default;

    // Empties the document and returns the settings to Arial 10 regular, no tab stops,
    // no indent.
    void clear();

    // Settings used by the lines added from now on.
    void setFormat(const CharFormat& f) { format_ = f; }
    const CharFormat& format() const { return format_; }
    void setFont(const std::string& name, double points, bool bold = false, bool italic = false,
                 bool underline = false);
    void setTabStops(std::vector<double> pointsFromMargin) { tabStops_ = std::move(pointsFromMargin); }
    const std::vector<double>& tabStops() const { return tabStops_; }
    void setLeftIndent(double points) { leftIndent_ = points; }
    double leftIndent() const { return leftIndent_; }

    // Adds one paragraph in the current settings. A text holding line breaks adds one
    // paragraph per line.
    void addLine(const std::string& utf8);
    void addParagraph(Paragraph p) { paragraphs_.push_back(std::move(p)); }

    const std::vector<Paragraph>& paragraphs() const { return paragraphs_; }
    std::vector<Paragraph>& paragraphs() { return paragraphs_; }
    bool empty() const { return paragraphs_.empty(); }

    // The text of every paragraph, one per element / joined with '\n'.
    std::vector<std::string> lines() const;
    std::string plainText() const;

    bool operator==(const RichDoc& o) const { return paragraphs_ == o.paragraphs_; }

private:
    CharFormat format_;
    std::vector<double> tabStops_;
    double leftIndent_ = 0;
    std::vector<Paragraph> paragraphs_;
};

} // namespace bw::print
