#include "print/qt/BandReportPreview.h"

#include "print/qt/PrinterCanvas.h"

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

namespace bw::print {

int printBandReportOn(QPrinter& printer, const BandReportDef& def, const ReportRecordsFactory& records,
                      const std::string& printDate)
{
    PrinterCanvas canvas(printer);
    return printBandReport(canvas, def, records(), printDate);
}

void previewBandReport(QWidget* parent, const BandReportDef& def, const ReportRecordsFactory& records,
                       const std::string& printDate)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(def.title));
    QPrintPreviewDialog dlg(&printer, parent);
    dlg.setWindowTitle(QString::fromStdString(def.title));
    QObject::connect(&dlg, &QPrintPreviewDialog::paintRequested, &dlg,
                     [&](QPrinter* p) { printBandReportOn(*p, def, records, printDate); });
    if (auto* view = dlg.findChild<QPrintPreviewWidget*>()) view->setZoomMode(QPrintPreviewWidget::FitToWidth);
    dlg.setWindowState(dlg.windowState() | Qt::WindowMaximized);
    dlg.exec();
}

} // namespace bw::print
