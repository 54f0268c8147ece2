#include "print/qt/BandReportPreview.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTimer>

#include <gtest/gtest.h>

using namespace bw::print;

TEST(BandReportPreview, OpensMaximisedAtPageWidthAndPaintsTheRecordsFromTheFirst)
{
    BandReportDef d;
    d.title = "Verify Data Input";
    d.detail.heightMm = 10;
    std::vector<std::string> rows = {"one", "two", "three"};
    size_t at = 0;
    int walks = 0;
    std::vector<std::string> painted;
    d.detail.items.push_back(ReportItem::field(1, 0, 50, 5, {"Arial", 10}, [&] {
        painted.push_back(rows[at]);
        return rows[at];
    }));

    bool maximised = false, pageWidth = false;
    QTimer::singleShot(100, [&] {
        auto* dlg = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        maximised = dlg->windowState() & Qt::WindowMaximized;
        auto* view = dlg->findChild<QPrintPreviewWidget*>();
        pageWidth = view && view->zoomMode() == QPrintPreviewWidget::FitToWidth;
        dlg->reject();
    });
    previewBandReport(nullptr, d, [&] {
        ++walks;
        at = 0;
        return ReportRecords{[&] { return at >= rows.size(); }, [&] { ++at; }};
    }, "11/12/2026");
    EXPECT_TRUE(maximised);
    EXPECT_TRUE(pageWidth);
    ASSERT_GE(walks, 1);
    // each painting walks all records from the first
    ASSERT_EQ(painted.size(), 3u * walks);
    EXPECT_EQ(painted[0], "one");
    EXPECT_EQ(painted.back(), "three");
}
