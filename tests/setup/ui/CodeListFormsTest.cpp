#include <QAction>
#include <QPrinter>
#include <QPushButton>
#include <QTextEdit>
#include <filesystem>
#include <gtest/gtest.h>

#include "SetupFixture.h"
#include "print/qt/PrinterCanvas.h"
#include "setup/ui/CodeListForms.h"

TEST(ClassCodeListWindow, ShowsAndHidesDeletedClasses)
{
    setuptest::App app;
    app.addClass("Breed", "Open Dog", "B1", "B010");
    app.addClass("Breed", "Gone", "B1", "B020");
    app.module.AllClasses.deleteRecord();
    app.module.AllClasses.setHideDeleted(true);

    bw::TClassListForm w(false);
    w.show();
    EXPECT_EQ("List of ALL Classes Database and Codes", w.windowTitle().toStdString());
    EXPECT_EQ("Show Deletes", w.deletesButton()->text().toStdString());
    EXPECT_FALSE(w.textEdit()->toPlainText().contains("Gone"));
    w.deletesButton()->click();
    EXPECT_EQ("Hide Deletes", w.deletesButton()->text().toStdString());
    EXPECT_TRUE(w.textEdit()->toPlainText().contains("#\tBreed"));
    EXPECT_FALSE(app.module.AllClasses.hideDeleted());
}

TEST(GroupCodeListWindow, ListsAndPrintsLineByLine)
{
    setuptest::App app;
    app.addRecords(app.module.CatGroups, "cat_group", {"NFC", "B1"});
    bw::TCatGrpListForm w;
    w.show();
    const QString text = w.textEdit()->toPlainText();
    EXPECT_TRUE(text.startsWith(" \nB1 \t")) << text.toStdString();

    const std::string pdf = app.dir.file("groups.pdf");
    w.choosePrinter = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        return true;
    };
    w.action("Print")->trigger();
    EXPECT_TRUE(std::filesystem::exists(pdf));
    BW_REQUIRE_PROGRAM("pdftotext");
    const std::string printed = bwtest::runCommand("pdftotext -layout " + pdf + " -");
    EXPECT_NE(std::string::npos, printed.find("Catalog Grouping Codes")) << printed;
    EXPECT_NE(std::string::npos, printed.find("NFC")) << printed;
    // Printed line by line, not through the rich-text printer with its page footer.
    EXPECT_EQ(std::string::npos, printed.find("Page 1")) << printed;
}
