#include "print/qt/PrintDialogs.h"

#include "print/qt/PrinterCanvas.h"

#include <QPrintDialog>
#include <QPrinter>

namespace bw::print {

bool askPrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dlg(&printer, parent);
    return dlg.exec() == QDialog::Accepted;
}

int printRichDocOn(QPrinter& printer, const RichDoc& doc, const RichPrintSetup& setup)
{
    PrinterCanvas canvas(printer);
    return printRichDoc(canvas, doc, setup);
}

} // namespace bw::print
