#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "data/Prompter.h"

class QPrinter;

namespace bw {

// The Prompter of the running program: the program's own message and input dialogs, the
// standard message box, and Qt's file, folder and print dialogs.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr);
    ~QtPrompter() override;

    char Show_Message(const std::string& caption, const std::string& icon,
                      const std::string& text, const std::string& buttons = "") override;
    std::optional<std::string> Ask_Text(const std::string& caption, const std::string& prompt,
                                        const std::string& preset = "") override;
    BoxButton Message_Box(BoxKind kind, const std::string& caption, const std::string& text,
                          const std::vector<BoxButton>& buttons = {BoxButton::Ok}) override;
    std::optional<std::string> Ask_Open_File(const FileRequest& request) override;
    std::optional<std::string> Ask_Save_File(const FileRequest& request) override;
    std::optional<std::string> Ask_Folder(const std::string& title, const std::string& folder) override;
    std::optional<PrintChoice> Ask_Print(const PrintRequest& request) override;

    // The printer the last print dialog was confirmed on, so the printing canvas can use
    // it as the user set it up.
    QPrinter* printer() const { return printer_.get(); }

private:
    QWidget* parentWidget() const;
    std::optional<std::string> fileDialog(const FileRequest& request, bool save);

    QPointer<QWidget> parent_;
    std::unique_ptr<QPrinter> printer_;
};

// A filter as the program's texts write it ("Text files (*.rtf)|*.rtf", pairs of
// description and pattern separated by "|") in the form of Qt's file dialog
// ("Text files (*.rtf)"; several patterns "a;b" become "(a b)"; pairs joined by ";;").
QString toQtFilter(const std::string& filter);

} // namespace bw
