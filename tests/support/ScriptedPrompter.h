#pragma once

#include <deque>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

#include "data/MessageText.h"
#include "data/Prompter.h"

namespace bwtest {

// One question the program asked, as the user would have seen it.
struct Question {
    enum class Kind { Message, Text, Box, OpenFile, SaveFile, Folder, Print };
    Kind kind = Kind::Message;
    std::string caption;
    std::string icon;     // Message: the icon letter
    std::string text;     // Message and Box: the text; Text: the prompt; Folder: the title
    std::string buttons;  // Message: the button list as given
    std::string preset;   // Text: the preset text; Folder: the start folder
    bw::BoxKind boxKind = bw::BoxKind::Information;
    std::vector<bw::BoxButton> boxButtons;
    bw::FileRequest file;
    bw::PrintRequest print;

    std::string describe() const
    {
        static const char* names[] = {"Show_Message", "Ask_Text", "Message_Box", "Ask_Open_File",
                                      "Ask_Save_File", "Ask_Folder", "Ask_Print"};
        std::string s = names[static_cast<int>(kind)];
        s += "(caption=\"" + caption + "\", text=\"" + text + "\"";
        if (kind == Kind::Message) s += ", icon=\"" + icon + "\", buttons=\"" + buttons + "\"";
        if (kind == Kind::Text) s += ", preset=\"" + preset + "\"";
        if (kind == Kind::OpenFile || kind == Kind::SaveFile)
            s += ", title=\"" + file.title + "\", name=\"" + file.fileName + "\"";
        return s + ")";
    }
};

// A Prompter for tests: answers from a script given in advance and records every question.
//
//   ScriptedPrompter p;
//   p.press('Y').type("KCC").cancel();
//   ... run the logic with p ...
//   EXPECT_EQ(p.messages(), (std::vector<std::string>{"Delete it?"}));
//
// Each question takes the next answer of the script. An answer of the wrong kind (a
// letter for a text question), or a letter that is not one of the buttons offered, fails
// the test. When the script has run out, the question is still recorded and answered as
// the default button would be (the first button; dialogs cancelled), so tests that do not
// care about a message need not script it; check pending() to be sure all were used.
class ScriptedPrompter : public bw::Prompter {
public:
    // ---- the script ----------------------------------------------------------------
    ScriptedPrompter& press(char letter) { return add({Answer::Letter, std::string(1, letter)}); }
    ScriptedPrompter& type(std::string text) { return add({Answer::Text, std::move(text)}); }
    // Cancels the next text, file, folder or print question.
    ScriptedPrompter& cancel() { return add({Answer::Cancel, {}}); }
    ScriptedPrompter& pressBox(bw::BoxButton button)
    {
        Answer a{Answer::Box, {}};
        a.box = button;
        return add(a);
    }
    ScriptedPrompter& chooseFile(std::string path) { return add({Answer::Path, std::move(path)}); }
    ScriptedPrompter& choosePrint(bw::PrintChoice choice = {})
    {
        Answer a{Answer::Print, {}};
        a.print = std::move(choice);
        return add(a);
    }

    // ---- what was asked ------------------------------------------------------------
    const std::vector<Question>& questions() const { return asked_; }
    // The texts of the Show_Message questions, in order.
    std::vector<std::string> messages() const
    {
        std::vector<std::string> out;
        for (const Question& q : asked_)
            if (q.kind == Question::Kind::Message) out.push_back(q.text);
        return out;
    }
    size_t pending() const { return script_.size(); }
    void clear()
    {
        asked_.clear();
        script_.clear();
    }

    // ---- the Prompter ----------------------------------------------------------------
    char Show_Message(const std::string& caption, const std::string& icon,
                      const std::string& text, const std::string& buttons = "") override
    {
        Question q;
        q.kind = Question::Kind::Message;
        q.caption = caption;
        q.icon = icon;
        q.text = text;
        q.buttons = buttons;
        asked_.push_back(q);
        std::vector<std::string> captions = bw::splitButtons(buttons);
        std::optional<Answer> a = take(q, {Answer::Letter});
        if (!a) return bw::resultLetter(captions.front());
        char letter = a->value[0];
        bool offered = false;
        for (const std::string& c : captions) offered = offered || bw::resultLetter(c) == letter;
        if (!offered)
            ADD_FAILURE() << "scripted press '" << letter << "' is not a button of " << q.describe();
        return letter;
    }

    std::optional<std::string> Ask_Text(const std::string& caption, const std::string& prompt,
                                        const std::string& preset = "") override
    {
        Question q;
        q.kind = Question::Kind::Text;
        q.caption = caption;
        q.text = prompt;
        q.preset = preset;
        return valueOrCancel(q, Answer::Text);
    }

    bw::BoxButton Message_Box(bw::BoxKind kind, const std::string& caption, const std::string& text,
                              const std::vector<bw::BoxButton>& buttons = {bw::BoxButton::Ok}) override
    {
        Question q;
        q.kind = Question::Kind::Box;
        q.boxKind = kind;
        q.caption = caption;
        q.text = text;
        q.boxButtons = buttons;
        asked_.push_back(q);
        std::optional<Answer> a = take(q, {Answer::Box});
        if (!a) return buttons.empty() ? bw::BoxButton::Ok : buttons.front();
        return a->box;
    }

    std::optional<std::string> Ask_Open_File(const bw::FileRequest& request) override
    {
        return fileQuestion(Question::Kind::OpenFile, request);
    }
    std::optional<std::string> Ask_Save_File(const bw::FileRequest& request) override
    {
        return fileQuestion(Question::Kind::SaveFile, request);
    }
    std::optional<std::string> Ask_Folder(const std::string& title, const std::string& folder) override
    {
        Question q;
        q.kind = Question::Kind::Folder;
        q.text = title;
        q.preset = folder;
        return valueOrCancel(q, Answer::Path);
    }

    std::optional<bw::PrintChoice> Ask_Print(const bw::PrintRequest& request) override
    {
        Question q;
        q.kind = Question::Kind::Print;
        q.text = request.title;
        q.print = request;
        asked_.push_back(q);
        std::optional<Answer> a = take(q, {Answer::Print, Answer::Cancel});
        if (!a || a->kind == Answer::Cancel) return std::nullopt;
        return a->print;
    }

private:
    struct Answer {
        enum Kind { Letter, Text, Cancel, Box, Path, Print };
        Answer(Kind k, std::string v) : kind(k), value(std::move(v)) {}
        Kind kind;
        std::string value;
        bw::BoxButton box = bw::BoxButton::Ok;
        bw::PrintChoice print;
    };

    ScriptedPrompter& add(Answer a)
    {
        script_.push_back(std::move(a));
        return *this;
    }

    // The next scripted answer when it fits the question; nothing when the script is
    // used up (or the answer does not fit, which fails the test).
    std::optional<Answer> take(const Question& q, std::initializer_list<Answer::Kind> fits)
    {
        if (script_.empty()) return std::nullopt;
        Answer a = script_.front();
        script_.pop_front();
        for (Answer::Kind k : fits)
            if (k == a.kind) return a;
        ADD_FAILURE() << "the script's next answer does not fit " << q.describe();
        return std::nullopt;
    }

    // Records q and answers it with the next scripted value of that kind, or cancels.
    std::optional<std::string> valueOrCancel(const Question& q, Answer::Kind kind)
    {
        asked_.push_back(q);
        std::optional<Answer> a = take(q, {kind, Answer::Cancel});
        if (!a || a->kind == Answer::Cancel) return std::nullopt;
        return a->value;
    }

    std::optional<std::string> fileQuestion(Question::Kind kind, const bw::FileRequest& request)
    {
        Question q;
        q.kind = kind;
        q.caption = request.title;
        q.file = request;
        return valueOrCancel(q, Answer::Path);
    }

    std::deque<Answer> script_;
    std::vector<Question> asked_;
};

} // namespace bwtest
