#pragma once

// Shows a band report in Qt's print preview, from which the user prints; or prints it
// straight to a printer (a PDF file in tests).

#include "print/BandReport.h"

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace bw::print {

// The preview paints the report again whenever it needs to (zoom, print), so it asks
// for the records afresh each time: the factory puts the table on its first record and
// returns the walk.
using ReportRecordsFactory = std::function<ReportRecords()>;

// Opens the preview maximised, zoomed to the page width; returns when it is closed.
void previewBandReport(QWidget* parent, const BandReportDef& def, const ReportRecordsFactory& records,
                       const std::string& printDate);

int printBandReportOn(QPrinter& printer, const BandReportDef& def, const ReportRecordsFactory& records,
                      const std::string& printDate);

} // namespace bw::print
