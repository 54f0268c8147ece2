#include "data/Prompter.h"

#include "data/MessageText.h"

namespace bw {

void Show_Error(Prompter& prompter, const std::string& text)
{
    prompter.Show_Message("Error", "H", text);
}

char SilentPrompter::Show_Message(const std::string&, const std::string&, const std::string&,
                                  const std::string& buttons)
{
    return resultLetter(splitButtons(buttons).front());
}

std::optional<std::string> SilentPrompter::Ask_Text(const std::string&, const std::string&,
                                                    const std::string&)
{
    return std::nullopt;
}

BoxButton SilentPrompter::Message_Box(BoxKind, const std::string&, const std::string&,
                                      const std::vector<BoxButton>& buttons)
{
    return buttons.empty() ? BoxButton::Ok : buttons.front();
}

std::optional<std::string> SilentPrompter::Ask_Open_File(const FileRequest&) { return std::nullopt; }
std::optional<std::string> SilentPrompter::Ask_Save_File(const FileRequest&) { return std::nullopt; }
std::optional<std::string> SilentPrompter::Ask_Folder(const std::string&, const std::string&)
{
    return std::nullopt;
}
std::optional<PrintChoice> SilentPrompter::Ask_Print(const PrintRequest&) { return std::nullopt; }

} // namespace bw
