#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "data/MessageText.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace bw {

// The program's message dialog, and (with a text box) its input dialog: a caption, an
// optional icon, a word-wrapped text in which ";" and line breaks start new lines, and a
// row of equal-width buttons centred under it. The answer is the letter of the button
// pressed (resultLetter of its caption).
class MessageDialog : public QDialog {
    Q_OBJECT
public:
    MessageDialog(const QString& caption, const QString& icon, const QString& text,
                  const QString& buttons, QWidget* parent = nullptr);
    // The input dialog: the text box preset with preset, buttons "&OK" and "&Cancel".
    static MessageDialog* makeInput(const QString& caption, const QString& prompt,
                                    const QString& preset, QWidget* parent = nullptr);

    const QList<QPushButton*>& buttons() const { return buttons_; }
    QLabel* textLabel() const { return text_; }
    QLineEdit* input() const { return input_; }  // null in the message dialog
    // The letter of the button pressed; '\0' while none was.
    char letter() const { return letter_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void press(QPushButton* button);

    QLabel* text_ = nullptr;
    QLineEdit* input_ = nullptr;
    QList<QPushButton*> buttons_;
    QString icon_;
    char letter_ = '\0';
    bool soundPlayed_ = false;
};

// Shows the message dialog modally (arrow cursor while it is shown) and returns the
// letter of the button pressed. Plays the system sound of the icon letter when it opens.
char Show_Message(const std::string& caption, const std::string& icon, const std::string& text,
                  const std::string& buttons = "", QWidget* parent = nullptr);

// Shows the input dialog modally; the text on "&OK" (or Enter), nothing on "&Cancel".
std::optional<std::string> Ask_Text(const std::string& caption, const std::string& prompt,
                                    const std::string& preset = "", QWidget* parent = nullptr);

// Plays a message sound as a desktop event sound (libcanberra), falling back to the
// beep when no sound could be played.
void playMessageSound(MessageSound sound);
// Replaces how sounds are played (tests record them); an empty function restores it.
void setMessageSoundPlayer(std::function<void(MessageSound)> player);

} // namespace bw
