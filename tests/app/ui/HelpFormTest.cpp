#include "app/HelpForm.h"

#include "support/TempDir.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

TEST(Thelpform, DocumentsAreFoundBeforeAnyHelpWindowExists)
{
    EXPECT_TRUE(QFile::exists(Thelpform::documentPath("brindlereadfirst.rtf")));
    EXPECT_FALSE(QFile::exists(Thelpform::documentPath("nosuchhelp.rtf")));
}

TEST(Thelpform, ShowsTheReadFirstDocumentWithItsFormats)
{
    Thelpform form("brindlereadfirst.rtf");
    form.show();
    QString text = form.textEdit()->toPlainText();
    EXPECT_TRUE(text.startsWith("Read First - Setting Defaults")) << text.left(80).toStdString();
    EXPECT_TRUE(text.contains("Tools > General Preferences"));
    EXPECT_TRUE(form.textEdit()->isReadOnly());
    EXPECT_EQ(form.textEdit()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(form.printButton()->text(), "Print");
    EXPECT_EQ(form.closeButton()->text(), "Close");
}

TEST(Thelpform, PrintsWithBordersAndWideMargins)
{
    BW_REQUIRE_PROGRAM("pdftotext");
    Thelpform form("brindlereadfirst.rtf");
    form.show();
    // left in <build>/print-samples/ for a person to look at
    QString dir = QString(BW_BINARY_DIR) + "/print-samples";
    QDir().mkpath(dir);
    QString pdf = dir + "/help.pdf";
    form.choosePrinter = [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    };
    form.printButton()->click();
    std::string text = bwtest::runCommand("pdftotext '" + pdf.toStdString() + "' -");
    EXPECT_NE(text.find("Read First - Setting Defaults"), std::string::npos) << text;
    EXPECT_NE(text.find("Page 1"), std::string::npos);
}

TEST(Thelpform, MissingDocumentIsReported)
{
    Thelpform form("nosuchhelp.rtf");
    QString error;
    EXPECT_FALSE(form.load("nosuchhelp.rtf", &error));
    EXPECT_TRUE(error.contains("nosuchhelp.rtf"));
    QString shown;
    QTimer::singleShot(50, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    form.show();
    QTest::qWait(200);
    EXPECT_TRUE(shown.contains("nosuchhelp.rtf")) << shown.toStdString();
}
