#include "setup/ui/CodeListForms.h"

#include <QAction>
#include <QPrinter>
#include <QPushButton>
#include <QTextEdit>

#include "app/DmodSources.h"
#include "app/HelpForm.h"
#include "data/Tdmod.h"
#include "print/qt/PrinterCanvas.h"
#include "setup/CodeLists.h"
#include "setup/ui/SetupWindows.h"

namespace bw {

namespace {

print::ListingConfig classListConfig(bool showMode, std::string clubId, int showNum)
{
    print::ListingConfig c;
    c.caption = showMode ? "List of Classes with numbers for Catalogue" : "List of ALL Classes Database and Codes";
    c.richText = true;
    c.wordWrap = false;
    c.saveTitle = "Save As";
    c.saveFilter = "Text files (*.rtf)|*.rtf";
    c.defaultExtension = ".rtf";
    c.print.title = c.caption.toStdString();
    c.help = [] { showHelp(nullptr, "brindleclassinfo.rtf"); };
    c.build = [showMode, clubId, showNum](print::RichDoc& doc) {
        if (showMode) {
            const std::string club = clubId.empty() ? dmod->show.clubId : clubId;
            const int num = clubId.empty() ? dmod->show.showNum : showNum;
            std::vector<setup::ShowClass> classes;
            if (num > 0 && !club.empty()) classes = setup::readShowClasses(*dmod, club, num);
            setup::buildShowCodeList(doc, classes);
        } else {
            dmod->Open_AllClasses();
            setup::buildLibraryCodeList(doc, dmod->AllClasses);
        }
    };
    return c;
}

xbase::Table& listedTable(bool showMode) { return showMode ? dmod->ShowClasses : dmod->AllClasses; }

} // namespace

TClassListForm::TClassListForm(bool showMode, QWidget* parent, std::string clubId, int showNum)
    : print::ListingWindow(classListConfig(showMode, std::move(clubId), showNum), parent), showMode_(showMode)
{
    deletes_ = addButton("Show Deletes");
    connect(deletes_, &QPushButton::clicked, this, &TClassListForm::toggleDeletes);
    updateDeletesCaption();
    resize(760, 560);
}

void TClassListForm::updateDeletesCaption()
{
    xbase::Table& t = listedTable(showMode_);
    deletes_->setText(!t.isOpen() || t.hideDeleted() ? "Show Deletes" : "Hide Deletes");
}

void TClassListForm::toggleDeletes()
{
    xbase::Table& t = listedTable(showMode_);
    if (t.isOpen()) t.setHideDeleted(!t.hideDeleted());
    updateDeletesCaption();
    rebuild();
    if (dmodSources) dmodSources->dsAllClass.refresh();
}

namespace {

print::ListingConfig groupListConfig()
{
    print::ListingConfig c;
    c.caption = "List of Catalog Grouping Codes";
    c.richText = false;
    c.wordWrap = false;
    c.speedHints = {"Save As|", "Print|", "Exit|", "Copy|", "Paste|", "Cut|", "Undo|", "About|"};
    c.saveTitle = "Save As";
    c.saveFilter = "Text files (*.txt)|*.txt";
    c.defaultExtension = ".txt";
    c.saveAsRtf = false;
    c.print.title = "Catalog Grouping Codes";
    c.help = [] { showHelp(nullptr, "brindleaddsection.rtf"); };
    c.build = [](print::RichDoc& doc) {
        doc.clear();
        doc.setFont("Courier New", 10);
        for (const std::string& line : setup::groupCodeListLines(dmod->CatGroups)) doc.addLine(line);
    };
    return c;
}

} // namespace

TCatGrpListForm::TCatGrpListForm(QWidget* parent) : print::ListingWindow(groupListConfig(), parent)
{
    // This list prints line by line, not through the rich-text printer.
    for (const char* name : {"Print"}) {
        for (QAction* a : {action(name), findChild<QAction*>(QString("speed ") + name)}) {
            if (!a) continue;
            disconnect(a, &QAction::triggered, nullptr, nullptr);
            connect(a, &QAction::triggered, this, &TCatGrpListForm::printList);
        }
    }
    resize(760, 560);
}

bool TCatGrpListForm::printOn(QPrinter& printer)
{
    print::PrinterCanvas canvas(printer);
    std::vector<std::string> lines;
    for (const QString& l : textEdit()->toPlainText().split('\n')) lines.push_back(l.toStdString());
    print::Font f;
    f.name = print::layoutFontName(textEdit()->font().family());
    setup::printGroupCodeList(canvas, lines, f);
    return !canvas.aborted();
}

void TCatGrpListForm::printList()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName("Catalog Grouping Codes");
    if (!choosePrinter(printer)) return;
    printOn(printer);
}

} // namespace bw
