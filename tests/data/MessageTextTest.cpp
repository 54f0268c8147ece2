#include <gtest/gtest.h>

#include "data/MessageText.h"
#include "support/ScriptedPrompter.h"

using bw::messageLines;
using bw::resultLetter;
using bw::splitButtons;
using Strings = std::vector<std::string>;

TEST(MessageText, ButtonListsSplitAtBlanksAndEmptyMeansOk)
{
    EXPECT_EQ(splitButtons(""), Strings{"&OK"});
    EXPECT_EQ(splitButtons("  "), Strings{"&OK"});
    EXPECT_EQ(splitButtons("Yes No Cancel"), (Strings{"Yes", "No", "Cancel"}));
    EXPECT_EQ(splitButtons("Cancel Pack"), (Strings{"Cancel", "Pack"}));
    EXPECT_EQ(splitButtons("Edit_Record Add_Duplicate"), (Strings{"Edit_Record", "Add_Duplicate"}));
    EXPECT_EQ(bw::buttonLabel("Edit_Record"), "Edit Record");
}

TEST(MessageText, ResultLetterIsTheShortcutElseTheFirstLetterInCapitals)
{
    struct Case { const char* caption; char letter; } cases[] = {
        {"&OK", 'O'}, {"Yes", 'Y'}, {"no", 'N'}, {"Cancel", 'C'}, {"Pack", 'P'},
        {"Edit_Record", 'E'}, {"Add_Duplicate", 'A'}, {"E&xit", 'X'}, {"a&b", 'B'},
        {"R&&D", 'R'}, {"R&&&D", 'D'}, {"", '\0'},
    };
    for (const Case& c : cases) EXPECT_EQ(resultLetter(c.caption), c.letter) << c.caption;
}

TEST(MessageText, SemicolonsAndLineBreaksStartNewLines)
{
    EXPECT_EQ(messageLines("A;;B"), (Strings{"A", "", "B"}));
    EXPECT_EQ(messageLines("A\r\nB\nC\rD;"), (Strings{"A", "B", "C", "D", ""}));
    EXPECT_EQ(messageLines(""), Strings{""});
}

TEST(MessageText, IconsAndSoundsOfLetters)
{
    using bw::MessageIcon;
    using bw::MessageSound;
    EXPECT_EQ(bw::iconFor(""), MessageIcon::None);
    EXPECT_EQ(bw::iconFor("?"), MessageIcon::Question);
    EXPECT_EQ(bw::iconFor("a"), MessageIcon::Application);
    EXPECT_EQ(bw::iconFor("h"), MessageIcon::Stop);
    EXPECT_EQ(bw::iconFor("I"), MessageIcon::Information);
    EXPECT_EQ(bw::iconFor("!"), MessageIcon::Exclamation);
    EXPECT_EQ(bw::iconFor("S"), MessageIcon::Exclamation);

    EXPECT_STREQ(bw::soundEventId(bw::soundFor("!")), "dialog-warning");
    EXPECT_STREQ(bw::soundEventId(bw::soundFor("i")), "dialog-information");
    EXPECT_STREQ(bw::soundEventId(bw::soundFor("*")), "dialog-information");
    EXPECT_STREQ(bw::soundEventId(bw::soundFor("?")), "dialog-question");
    EXPECT_STREQ(bw::soundEventId(bw::soundFor("s")), "dialog-error");
    EXPECT_STREQ(bw::soundEventId(bw::soundFor("H")), "dialog-error");
    EXPECT_STREQ(bw::soundEventId(bw::soundFor("A")), "bell");
    EXPECT_STREQ(bw::soundEventId(bw::soundFor("")), "bell");
}

TEST(ScriptedPrompter, AnswersFromTheScriptAndRecordsEveryQuestion)
{
    bwtest::ScriptedPrompter p;
    p.press('P').type("KCC").cancel();
    EXPECT_EQ(p.Show_Message("Pack", "?", "Remove deleted?", "Cancel Pack"), 'P');
    EXPECT_EQ(p.Ask_Text("", "Club ID", "X"), std::optional<std::string>("KCC"));
    EXPECT_EQ(p.Ask_Text("", "Again", ""), std::nullopt);
    // Script used up: the default button answers.
    EXPECT_EQ(p.Show_Message("", "", "Done"), 'O');
    EXPECT_EQ(p.Show_Message("", "", "Sure?", "Yes No"), 'Y');
    EXPECT_EQ(p.messages(), (Strings{"Remove deleted?", "Done", "Sure?"}));
    ASSERT_EQ(p.questions().size(), 5u);
    EXPECT_EQ(p.questions()[1].preset, "X");
    EXPECT_EQ(p.pending(), 0u);
}

#include <gtest/gtest-spi.h>

TEST(ScriptedPrompter, AScriptThatDoesNotFitTheQuestionFailsTheTest)
{
    bwtest::ScriptedPrompter p;
    p.press('Y');
    EXPECT_NONFATAL_FAILURE(p.Show_Message("", "?", "Pack?", "Cancel Pack"), "is not a button of");
    p.type("text");
    EXPECT_NONFATAL_FAILURE(p.Show_Message("", "", "Hello"), "does not fit");
}
