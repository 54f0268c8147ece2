#include "app/HelpForm.h"

#include "print/Rtf.h"
#include "print/RichTextPrinter.h"
#include "print/qt/PrintDialogs.h"
#include "print/qt/PrinterCanvas.h"
#include "print/qt/RichTextBridge.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

using namespace bw::print;

// The help documents are resources of the program's window library, which is a static
// library: its resources have to be registered by name.
static void registerHelpDocuments()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    (void)registered;
}

Thelpform::Thelpform(QString documentName, QWidget* parent)
    : QDialog(parent), documentName_(std::move(documentName))
{
    registerHelpDocuments();
    installFontSubstitutes();
    setWindowTitle("Help");
    resize(760, 620);
    edit_ = new QTextEdit(this);
    edit_->setReadOnly(true);
    edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    printButton_ = new QPushButton("Print", this);
    closeButton_ = new QPushButton("Close", this);
    connect(printButton_, &QPushButton::clicked, this, &Thelpform::print);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(printButton_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(edit_, 1);
    layout->addLayout(buttons);

    choosePrinter = [this](QPrinter& printer) { return askPrinter(this, printer); };
}

QString Thelpform::documentPath(const QString& documentName)
{
    registerHelpDocuments();
    return ":/help/" + documentName;
}

bool Thelpform::load(const QString& documentName, QString* error)
{
    QFile f(documentPath(documentName));
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) *error = "Cannot open file \"" + documentName + "\". The help document is missing.";
        return false;
    }
    QByteArray data = f.readAll();
    if (!documentName.endsWith(".rtf", Qt::CaseInsensitive)) {
        edit_->setPlainText(QString::fromUtf8(data));
        return true;
    }
    RtfReadResult r = readRtf(data.toStdString());
    if (!r.doc) {
        if (error) *error = documentName + ": " + QString::fromStdString(r.error);
        return false;
    }
    fillTextDocument(*edit_->document(), *r.doc);
    edit_->moveCursor(QTextCursor::Start);
    return true;
}

void Thelpform::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (loaded_) return;
    loaded_ = true;
    QString error;
    if (!load(documentName_, &error)) {
        // shown once the window stands, as the program shows any other failure
        QTimer::singleShot(0, this, [this, error] {
            QMessageBox::critical(this, QApplication::applicationDisplayName(), error);
        });
    }
}

int Thelpform::printTo(QPrinter& printer) const
{
    RichPrintSetup setup;
    setup.topMm = setup.bottomMm = setup.leftMm = setup.rightMm = 30;
    setup.pageBorders = true;
    return printRichDocOn(printer, richDocFromTextDocument(*edit_->document()), setup);
}

void Thelpform::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName_);
    if (!choosePrinter(printer)) return;
    if (printTo(printer) == 0) QMessageBox::warning(this, windowTitle(), "The printer could not be opened.");
}

void showHelp(QWidget* parent, const QString& documentName)
{
    Thelpform form(documentName, parent);
    form.exec();
}
