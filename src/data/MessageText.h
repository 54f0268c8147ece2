#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bw {

// How the program's message dialog reads its arguments. Shared by the Qt dialog and the
// scripted prompter of the tests, so both agree on captions and result letters.

// The button captions of a button list: captions separated by blanks, left to right.
// An empty list (or one of blanks only) is the single button "&OK".
std::vector<std::string> splitButtons(std::string_view list);

// The letter a button returns: the capital of the letter after its "&" ("&&" is a
// literal ampersand and does not count), else its first letter in capitals; '\0' for an
// empty caption.
char resultLetter(std::string_view caption);

// The caption as a button shows it: blanks cannot appear in a button list, so captions
// write them as "_" ("Edit_Record"); they are shown as blanks. "&" keeps marking the
// shortcut.
std::string buttonLabel(std::string_view caption);

// The lines of a message text: every ";" starts a new line, and so does a line break
// written as CR/LF, LF or CR. "A;;B" gives A, an empty line and B.
std::vector<std::string> messageLines(std::string_view text);

// The icon a letter asks for (case ignored): "?" question, "A" application, "H" stop,
// "I" information, any other letter exclamation; empty: none.
enum class MessageIcon { None, Question, Application, Stop, Information, Exclamation };
MessageIcon iconFor(std::string_view letter);

// The system sound the message dialog plays when it opens: "!" exclamation, "I" or "*"
// information, "?" question, "H" or "S" stop, anything else (and no icon) the beep.
enum class MessageSound { Exclamation, Information, Question, Stop, Beep };
MessageSound soundFor(std::string_view letter);

// The desktop's event sound name (freedesktop sound theme) of a message sound.
const char* soundEventId(MessageSound sound);

} // namespace bw
