#include "print/Rtf.h"
#include "print/qt/ListingWindow.h"
#include "print/qt/PrinterCanvas.h"
#include "print/qt/RichTextBridge.h"

#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace bw::print;

namespace {

RichDoc countsDoc()
{
    RichDoc d;
    d.setFont("Arial", 12, true);
    d.addLine("Brindlewick Canine Society");
    d.setFont("Arial", 10);
    d.setTabStops({50, 200});
    d.addLine("    1\tMinor Puppy Dog\t    3");
    d.setLeftIndent(40);
    d.setFont("Arial", 8, false, true, true);
    d.addLine("");
    d.addLine("Also: \t101  FLYNN'S FOLLY");
    return d;
}

void typeAtEnd(QTextEdit* edit, const QString& text)
{
    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, text);
}

} // namespace

TEST(RichTextBridge, DocumentComesBackAsItWentIn)
{
    QTextDocument qdoc;
    RichDoc doc = countsDoc();
    fillTextDocument(qdoc, doc);
    RichDoc back = richDocFromTextDocument(qdoc);
    ASSERT_EQ(back.paragraphs().size(), doc.paragraphs().size());
    for (size_t i = 0; i < doc.paragraphs().size(); ++i)
        EXPECT_EQ(back.paragraphs()[i], doc.paragraphs()[i]) << "paragraph " << i;
}

TEST(ListingWindow, BuildsOnShowAndOffersTheListingCommands)
{
    int builds = 0;
    ListingConfig config;
    config.caption = "Count Entries per Class";
    config.closeCaption = "C&lose";
    config.tabStrip = true;
    config.build = [&](RichDoc& d) { ++builds; d = countsDoc(); };
    ListingWindow w(config);
    w.tabBar()->addTab("stale");
    w.show();
    EXPECT_EQ(builds, 1);
    EXPECT_EQ(w.tabBar()->count(), 0);
    EXPECT_EQ(w.windowTitle(), "Count Entries per Class");
    EXPECT_EQ(w.closeButton()->text(), "C&lose");
    EXPECT_EQ(w.document(), countsDoc());

    QStringList menus;
    for (QAction* a : w.menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, (QStringList{"File", "Edit", "Help"}));
    for (const char* name : {"Save As", "Print", "Exit", "Select All", "Undo", "Copy", "Paste", "Cut"})
        EXPECT_NE(w.action(name), nullptr) << name;
    QStringList tips;
    for (QAction* a : w.toolBar()->actions()) tips << a->toolTip();
    EXPECT_EQ(tips, (QStringList{"Save As", "Print", "Exit", "Copy", "Paste", "Cut", "Undo"}));

    QDir().mkpath(QString(BW_BINARY_DIR) + "/print-samples");
    w.grab().save(QString(BW_BINARY_DIR) + "/print-samples/listing-window.png");

    w.action("Copy")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), countsDoc().plainText());
    w.closeButton()->click();
    EXPECT_FALSE(w.isVisible());
}

TEST(ListingWindow, SavesAndPrintsWhatTheUserEdited)
{
    ListingConfig config;
    config.print.title = "Special Notes";
    config.build = [](RichDoc& d) { d = countsDoc(); };
    ListingWindow w(config);
    w.show();
    typeAtEnd(w.textEdit(), " edited");
    // the user makes the first line italic as well
    QTextCursor c(w.textEdit()->document());
    c.select(QTextCursor::LineUnderCursor);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    c.mergeCharFormat(italic);

    bwtest::TempDir dir;
    QString path = QString::fromStdString(dir.file("Breed.rtf"));
    QString proposed;
    w.chooseSaveFile = [&](const QString& title, const QString& filter, const QString& p) {
        EXPECT_EQ(title, "Save As");
        EXPECT_EQ(filter, "Text files (*.rtf)|*.rtf");
        proposed = p;
        return path;
    };
    w.action("Save As")->trigger();
    auto saved = loadRtfFile(path.toStdString());
    ASSERT_TRUE(saved.doc) << saved.error;
    EXPECT_EQ(saved.doc->lines().back(), "Also: \t101  FLYNN'S FOLLY edited");
    EXPECT_TRUE(saved.doc->paragraphs()[0].runs[0].format.italic);
    EXPECT_TRUE(saved.doc->paragraphs()[0].runs[0].format.bold);

    // Print through the print dialog's seam, into a PDF
    QString pdf = QString::fromStdString(dir.file("notes.pdf"));
    w.choosePrinter = [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    };
    w.action("Print")->trigger();
    if (bwtest::haveProgram("pdftotext")) {
        std::string text = bwtest::runCommand("pdftotext '" + pdf.toStdString() + "' -");
        EXPECT_NE(text.find("FLYNN'S FOLLY edited"), std::string::npos) << text;
        EXPECT_NE(text.find("Special Notes"), std::string::npos);
    }

    // A cancelled dialog writes nothing
    QFile::remove(path);
    w.chooseSaveFile = [](const QString&, const QString&, const QString&) { return QString(); };
    w.saveAs();
    EXPECT_FALSE(QFile::exists(path));
}

TEST(ListingWindow, PlainTextListingSavesItsLines)
{
    ListingConfig config;
    config.richText = false;
    config.saveAsRtf = false;
    config.saveFilter = "Text files (*.txt)|*.txt";
    config.defaultExtension = ".txt";
    config.build = [](RichDoc& d) {
        d.addLine("a@example.org, b@example.org");
        d.addLine("second line");
    };
    ListingWindow w(config);
    w.show();
    bwtest::TempDir dir;
    QString error;
    ASSERT_TRUE(w.saveTo(QString::fromStdString(dir.file("list.txt")), &error)) << error.toStdString();
    QFile f(QString::fromStdString(dir.file("list.txt")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toStdString(), "a@example.org, b@example.org\nsecond line\n");
    EXPECT_EQ(qtFileFilter("Text files (*.txt)|*.txt"), "Text files (*.txt)");
    EXPECT_FALSE(w.saveTo("/nonexistent-folder/list.txt", &error));
    EXPECT_TRUE(error.contains("list.txt"));
}
