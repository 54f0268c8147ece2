#include "data/MessageText.h"

#include <cctype>

namespace bw {

namespace {
char upperAscii(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }
}

std::vector<std::string> splitButtons(std::string_view list)
{
    std::vector<std::string> buttons;
    size_t pos = 0;
    while (pos < list.size()) {
        size_t end = list.find(' ', pos);
        if (end == std::string_view::npos) end = list.size();
        if (end > pos) buttons.emplace_back(list.substr(pos, end - pos));
        pos = end + 1;
    }
    if (buttons.empty()) buttons.emplace_back("&OK");
    return buttons;
}

char resultLetter(std::string_view caption)
{
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') { ++i; continue; }
        return upperAscii(caption[i + 1]);
    }
    return caption.empty() ? '\0' : upperAscii(caption.front());
}

std::string buttonLabel(std::string_view caption)
{
    std::string label(caption);
    for (char& c : label)
        if (c == '_') c = ' ';
    return label;
}

std::vector<std::string> messageLines(std::string_view text)
{
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;  // CR/LF: one break
        if (c == ';' || c == '\n' || c == '\r')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return lines;
}

MessageIcon iconFor(std::string_view letter)
{
    if (letter.empty()) return MessageIcon::None;
    switch (upperAscii(letter.front())) {
    case '?': return MessageIcon::Question;
    case 'A': return MessageIcon::Application;
    case 'H': return MessageIcon::Stop;
    case 'I': return MessageIcon::Information;
    default: return MessageIcon::Exclamation;
    }
}

MessageSound soundFor(std::string_view letter)
{
    if (letter.empty()) return MessageSound::Beep;
    switch (upperAscii(letter.front())) {
    case '!': return MessageSound::Exclamation;
    case 'I':
    case '*': return MessageSound::Information;
    case '?': return MessageSound::Question;
    case 'H':
    case 'S': return MessageSound::Stop;
    default: return MessageSound::Beep;
    }
}

const char* soundEventId(MessageSound sound)
{
    switch (sound) {
    case MessageSound::Exclamation: return "dialog-warning";
    case MessageSound::Information: return "dialog-information";
    case MessageSound::Question: return "dialog-question";
    case MessageSound::Stop: return "dialog-error";
    case MessageSound::Beep: break;
    }
    return "bell";
}

} // namespace bw
