#include "print/qt/ListingWindow.h"

#include "print/Rtf.h"
#include "print/qt/PrintDialogs.h"
#include "print/qt/PrinterCanvas.h"
#include "print/qt/RichTextBridge.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QIcon>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTabBar>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

namespace bw::print {

QString qtFileFilter(const QString& pipeFilter)
{
    const QStringList parts = pipeFilter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString desc = parts[i];
        QString pattern = QString(parts[i + 1]).replace(';', ' ');
        out << (desc.contains('(') ? desc : desc + " (" + pattern + ")");
    }
    if (out.isEmpty() && !pipeFilter.isEmpty()) out << pipeFilter;
    return out.join(";;");
}

ListingWindow::ListingWindow(ListingConfig config, QWidget* parent)
    : QDialog(parent), config_(std::move(config))
{
    installFontSubstitutes();
    setWindowTitle(config_.caption);
    setSizeGripEnabled(true);
    resize(820, 600);

    edit_ = new QTextEdit(this);
    edit_->setAcceptRichText(config_.richText);
    edit_->setLineWrapMode(config_.wordWrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    edit_->setTabChangesFocus(false);
    // text typed where the listing set no format is Arial 10, as the listings' own text
    edit_->document()->setDefaultFont(toQFont(Font{}));

    menuBar_ = new QMenuBar(this);
    toolBar_ = new QToolBar(this);
    closeButton_ = new QPushButton(config_.closeCaption, this);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);
    tabs_ = new QTabBar(this);
    tabs_->setVisible(config_.tabStrip);

    buildMenus();
    buildToolBar();

    auto* top = new QHBoxLayout;
    top->addWidget(toolBar_);
    top->addStretch(1);
    top->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar_);
    layout->addLayout(top);
    layout->addWidget(tabs_);
    layout->addWidget(edit_, 1);

    chooseSaveFile = [this](const QString& title, const QString& filter, const QString& proposed) {
        QFileDialog dlg(this, title, QString(), qtFileFilter(filter));
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        QString ext = config_.defaultExtension;
        dlg.setDefaultSuffix(ext.startsWith('.') ? ext.mid(1) : ext);
        if (!proposed.isEmpty()) dlg.selectFile(proposed);
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return QString();
        return dlg.selectedFiles().front();
    };
    choosePrinter = [this](QPrinter& printer) { return askPrinter(this, printer); };
}

void ListingWindow::buildMenus()
{
    auto add = [this](QMenu* menu, const QString& name, auto slot) {
        QAction* a = menu->addAction(name);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
        actions_.append(a);
    };
    QMenu* file = menuBar_->addMenu("File");
    add(file, "Save As", [this] { saveAs(); });
    add(file, "Print", [this] { print(); });
    add(file, "Exit", [this] { close(); });
    QMenu* edit = menuBar_->addMenu("Edit");
    add(edit, "Select All", [this] { edit_->selectAll(); });
    add(edit, "Undo", [this] { edit_->undo(); });
    add(edit, "Copy", [this] { copyAll(); });
    add(edit, "Paste", [this] { edit_->paste(); });
    add(edit, "Cut", [this] { edit_->cut(); });
    QAction* help = menuBar_->addAction("Help");
    help->setObjectName("Help");
    connect(help, &QAction::triggered, this, [this] { if (config_.help) config_.help(); });
    actions_.append(help);
}

void ListingWindow::buildToolBar()
{
    struct Command {
        const char* name;
        const char* icon;
        std::function<void()> run;
    };
    const Command commands[] = {
        {"Save As", "document-save-as", [this] { saveAs(); }},
        {"Print", "document-print", [this] { print(); }},
        {"Exit", "application-exit", [this] { close(); }},
        {"Copy", "edit-copy", [this] { copyAll(); }},
        {"Paste", "edit-paste", [this] { edit_->paste(); }},
        {"Cut", "edit-cut", [this] { edit_->cut(); }},
        {"Undo", "edit-undo", [this] { edit_->undo(); }},
        {"About", "help-about", [this] { if (config_.help) config_.help(); }},
    };
    bool allIcons = true;
    for (const QString& hint : config_.speedHints) {
        const QString tip = hint.section('|', 0, 0);
        const QString status = hint.section('|', 1);
        const Command* cmd = nullptr;
        for (const auto& c : commands)
            if (tip == QLatin1String(c.name)) cmd = &c;
        QIcon icon = cmd ? QIcon::fromTheme(cmd->icon) : QIcon();
        allIcons = allIcons && !icon.isNull();
        QAction* a = toolBar_->addAction(icon, tip);
        a->setObjectName("speed " + tip);
        a->setToolTip(tip);
        a->setStatusTip(status);
        if (cmd && config_.speedButtonsAct) {
            auto run = cmd->run;
            connect(a, &QAction::triggered, this, [run] { run(); });
        }
    }
    toolBar_->setToolButtonStyle(allIcons ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly);
}

QAction* ListingWindow::action(const QString& name) const
{
    for (QAction* a : actions_)
        if (a->objectName() == name) return a;
    for (QAction* a : toolBar_->actions())
        if (a->objectName() == "speed " + name) return a;
    return nullptr;
}

QPushButton* ListingWindow::addButton(const QString& caption)
{
    auto* b = new QPushButton(caption, this);
    toolBar_->addWidget(b);
    return b;
}

void ListingWindow::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    rebuild();
}

void ListingWindow::rebuild()
{
    while (tabs_->count() > 0) tabs_->removeTab(0);
    if (!config_.build) return;
    RichDoc doc;
    config_.build(doc);
    setDocument(doc);
}

void ListingWindow::setDocument(const RichDoc& doc)
{
    if (config_.richText) {
        fillTextDocument(*edit_->document(), doc);
    } else {
        edit_->setFont(toQFont(doc.format()));
        edit_->setPlainText(QString::fromStdString(doc.plainText()));
    }
    edit_->document()->clearUndoRedoStacks();
    edit_->moveCursor(QTextCursor::Start);
}

RichDoc ListingWindow::document() const
{
    if (config_.richText) return richDocFromTextDocument(*edit_->document());
    RichDoc doc;
    QFont f = edit_->font();
    doc.setFont(layoutFontName(f.family()), f.pointSizeF(), f.bold(), f.italic(), f.underline());
    if (!edit_->document()->isEmpty()) doc.addLine(edit_->toPlainText().toStdString());
    return doc;
}

void ListingWindow::copyAll()
{
    edit_->selectAll();
    edit_->copy();
}

void ListingWindow::saveAs()
{
    QString path = chooseSaveFile(config_.saveTitle, config_.saveFilter, config_.proposedFileName);
    if (path.isEmpty()) return;
    QString error;
    if (!saveTo(path, &error)) QMessageBox::warning(this, config_.saveTitle, error);
}

bool ListingWindow::saveTo(const QString& path, QString* error) const
{
    if (config_.saveAsRtf) {
        std::string e;
        bool ok = saveRtfFile(document(), path.toStdString(), &e);
        if (!ok && error) *error = QString::fromStdString(e);
        return ok;
    }
    QFile f(path);
    QByteArray data = edit_->toPlainText().toUtf8();
    if (!data.isEmpty() && !data.endsWith('\n')) data += '\n';
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data) != data.size()) {
        if (error) *error = "Cannot write " + path + ": " + f.errorString();
        return false;
    }
    return true;
}

void ListingWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(config_.print.title));
    printer.setPageOrientation(config_.print.orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                                    : QPageLayout::Portrait);
    if (!choosePrinter(printer)) return;
    if (printTo(printer) == 0)
        QMessageBox::warning(this, windowTitle(), "The printer could not be opened.");
}

int ListingWindow::printTo(QPrinter& printer) const
{
    return printRichDocOn(printer, document(), config_.print);
}

} // namespace bw::print
