#pragma once

// Small pieces every printing window shares: asking for a printer with the standard
// print dialog, and printing a rich-text document on the printer chosen.

#include "print/RichDoc.h"
#include "print/RichTextPrinter.h"

class QPrinter;
class QWidget;

namespace bw::print {

// The print dialog; true when the user confirmed it.
bool askPrinter(QWidget* parent, QPrinter& printer);

// Prints through the rich-text printer; returns the pages printed (0: the printer could
// not be opened).
int printRichDocOn(QPrinter& printer, const RichDoc& doc, const RichPrintSetup& setup);

} // namespace bw::print
