#pragma once

// Moves a rich-text document between our model and Qt's QTextDocument, so a listing is
// shown and edited in a QTextEdit and what the user edited is what is saved and printed.
// Indents and tab stops are held in points in our model and in screen pixels (96 per
// inch) in Qt's.

#include "print/RichDoc.h"

class QTextDocument;

namespace bw::print {

void fillTextDocument(QTextDocument& target, const RichDoc& doc);
RichDoc richDocFromTextDocument(const QTextDocument& source);

} // namespace bw::print
