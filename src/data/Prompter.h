#pragma once

#include <optional>
#include <string>
#include <vector>

namespace bw {

// Everything the program asks the user, as logic sees it. The windows implement it with
// real dialogs (src/app/QtPrompter); tests script the answers and read back every
// question asked (tests/support/ScriptedPrompter.h). Logic never opens a dialog itself.
//
// All texts are UTF-8.

// A file dialog's question. The filter is written the way the program's texts give it:
// description|pattern pairs separated by "|", e.g. "Text files (*.rtf)|*.rtf".
struct FileRequest {
    std::string title;       // "Save As"
    std::string filter;
    std::string defaultExt;  // ".rtf"; added to a chosen name that has no extension
    std::string fileName;    // proposed name; may be empty
    std::string folder;      // folder to start in; empty leaves it to the dialog
};

// The print dialog's question ("the copies reset" means copies = 1).
struct PrintRequest {
    std::string title;       // the print job's title
    int copies = 1;
    bool landscape = false;
};

// What the user chose in the print dialog. The windows' printer canvas is set up from it.
struct PrintChoice {
    std::string printerName; // empty: the default printer
    std::string outputFile;  // not empty when printing to a (PDF) file
    int copies = 1;
    bool landscape = false;
};

// The standard message box, used for the few messages that do not go through the
// program's own message dialog (and the navigator's delete confirmation).
enum class BoxKind { Information, Warning, Error, Confirmation };
enum class BoxButton { Ok, Cancel, Yes, No, Abort, Retry, Ignore };

class Prompter {
public:
    virtual ~Prompter() = default;

    // The program's message dialog. caption and icon may be empty; icon is one letter
    // ("?", "A", "H", "I", "!", ...); every ";" in text starts a new line; buttons are
    // captions separated by single blanks ("Yes No Cancel", "&Ok"), empty meaning "&OK".
    // Returns the capital letter of the button pressed (MessageText.h: resultLetter).
    virtual char Show_Message(const std::string& caption, const std::string& icon,
                              const std::string& text, const std::string& buttons = "") = 0;

    // The program's input dialog: text box preset with preset, buttons "&OK" and
    // "&Cancel". Returns the text on OK, nothing on Cancel.
    virtual std::optional<std::string> Ask_Text(const std::string& caption,
                                                const std::string& prompt,
                                                const std::string& preset = "") = 0;

    // The standard message box; returns the button pressed (the last of buttons, or
    // Cancel/No, when the box is closed without one).
    virtual BoxButton Message_Box(BoxKind kind, const std::string& caption,
                                  const std::string& text,
                                  const std::vector<BoxButton>& buttons = {BoxButton::Ok}) = 0;

    // File and folder dialogs: the chosen path, nothing when cancelled.
    virtual std::optional<std::string> Ask_Open_File(const FileRequest& request) = 0;
    virtual std::optional<std::string> Ask_Save_File(const FileRequest& request) = 0;
    virtual std::optional<std::string> Ask_Folder(const std::string& title,
                                                  const std::string& folder) = 0;

    // The print dialog: the choice, nothing when cancelled.
    virtual std::optional<PrintChoice> Ask_Print(const PrintRequest& request) = 0;
};

// The program's default error display: an error that ended a command (the table
// engine's, or a folder that cannot be created) shown in the message dialog with the
// stop icon and the caption "Error".
void Show_Error(Prompter& prompter, const std::string& text);

// Answers every question as if the user pressed the first (default) button and cancelled
// every dialog, without showing anything. The data module uses it until the program
// gives it a real one, so that logic run without windows never blocks.
class SilentPrompter : public Prompter {
public:
    char Show_Message(const std::string& caption, const std::string& icon,
                      const std::string& text, const std::string& buttons = "") override;
    std::optional<std::string> Ask_Text(const std::string& caption, const std::string& prompt,
                                        const std::string& preset = "") override;
    BoxButton Message_Box(BoxKind kind, const std::string& caption, const std::string& text,
                          const std::vector<BoxButton>& buttons = {BoxButton::Ok}) override;
    std::optional<std::string> Ask_Open_File(const FileRequest& request) override;
    std::optional<std::string> Ask_Save_File(const FileRequest& request) override;
    std::optional<std::string> Ask_Folder(const std::string& title,
                                          const std::string& folder) override;
    std::optional<PrintChoice> Ask_Print(const PrintRequest& request) override;
};

} // namespace bw
