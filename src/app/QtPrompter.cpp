#include "app/QtPrompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

#include "app/MessageDialog.h"

namespace bw {

QtPrompter::QtPrompter(QWidget* parent) : parent_(parent) {}
QtPrompter::~QtPrompter() = default;

QWidget* QtPrompter::parentWidget() const
{
    return parent_ ? parent_.data() : QApplication::activeWindow();
}

char QtPrompter::Show_Message(const std::string& caption, const std::string& icon,
                              const std::string& text, const std::string& buttons)
{
    return bw::Show_Message(caption, icon, text, buttons, parentWidget());
}

std::optional<std::string> QtPrompter::Ask_Text(const std::string& caption, const std::string& prompt,
                                                const std::string& preset)
{
    return bw::Ask_Text(caption, prompt, preset, parentWidget());
}

BoxButton QtPrompter::Message_Box(BoxKind kind, const std::string& caption, const std::string& text,
                                  const std::vector<BoxButton>& buttons)
{
    static const std::pair<BoxButton, QMessageBox::StandardButton> kMap[] = {
        {BoxButton::Ok, QMessageBox::Ok},       {BoxButton::Cancel, QMessageBox::Cancel},
        {BoxButton::Yes, QMessageBox::Yes},     {BoxButton::No, QMessageBox::No},
        {BoxButton::Abort, QMessageBox::Abort}, {BoxButton::Retry, QMessageBox::Retry},
        {BoxButton::Ignore, QMessageBox::Ignore},
    };
    QMessageBox::Icon icon = QMessageBox::Information;
    switch (kind) {
    case BoxKind::Information: icon = QMessageBox::Information; break;
    case BoxKind::Warning: icon = QMessageBox::Warning; break;
    case BoxKind::Error: icon = QMessageBox::Critical; break;
    case BoxKind::Confirmation: icon = QMessageBox::Question; break;
    }
    QMessageBox::StandardButtons set;
    for (BoxButton b : buttons)
        for (const auto& [ours, qt] : kMap)
            if (ours == b) set |= qt;
    if (!set) set = QMessageBox::Ok;
    QMessageBox box(icon, QString::fromStdString(caption), QString::fromStdString(text), set, parentWidget());
    const int pressed = box.exec();
    for (const auto& [ours, qt] : kMap)
        if (qt == pressed) return ours;
    // Closed without a button: the way out the box offers.
    for (BoxButton b : {BoxButton::Cancel, BoxButton::No})
        for (BoxButton offered : buttons)
            if (offered == b) return b;
    return buttons.empty() ? BoxButton::Ok : buttons.back();
}

QString toQtFilter(const std::string& filter)
{
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString patterns = parts[i + 1].split(';', Qt::SkipEmptyParts).join(' ');
        // Qt takes the patterns from a parenthesis at the end of the description.
        description.remove(QRegularExpression("\\s*\\([^()]*\\)$"));
        out << description + " (" + patterns + ")";
    }
    return out.join(";;");
}

std::optional<std::string> QtPrompter::fileDialog(const FileRequest& request, bool save)
{
    QFileDialog dlg(parentWidget(), QString::fromStdString(request.title));
    dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.filter.empty()) dlg.setNameFilter(toQtFilter(request.filter));
    QString ext = QString::fromStdString(request.defaultExt);
    if (ext.startsWith('.')) ext.remove(0, 1);
    if (!ext.isEmpty()) dlg.setDefaultSuffix(ext);
    if (!request.folder.empty()) dlg.setDirectory(QString::fromStdString(request.folder));
    if (!request.fileName.empty()) dlg.selectFile(QString::fromStdString(request.fileName));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    return dlg.selectedFiles().front().toStdString();
}

std::optional<std::string> QtPrompter::Ask_Open_File(const FileRequest& request)
{
    return fileDialog(request, false);
}

std::optional<std::string> QtPrompter::Ask_Save_File(const FileRequest& request)
{
    return fileDialog(request, true);
}

std::optional<std::string> QtPrompter::Ask_Folder(const std::string& title, const std::string& folder)
{
    QString chosen = QFileDialog::getExistingDirectory(parentWidget(), QString::fromStdString(title),
                                                       QString::fromStdString(folder));
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
}

std::optional<PrintChoice> QtPrompter::Ask_Print(const PrintRequest& request)
{
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setDocName(QString::fromStdString(request.title));
    printer_->setCopyCount(request.copies);
    printer_->setPageOrientation(request.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dlg(printer_.get(), parentWidget());
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    PrintChoice choice;
    choice.printerName = printer_->printerName().toStdString();
    choice.outputFile = printer_->outputFileName().toStdString();
    choice.copies = printer_->copyCount();
    choice.landscape = printer_->pageLayout().orientation() == QPageLayout::Landscape;
    return choice;
}

} // namespace bw
