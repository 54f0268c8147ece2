// OEM code pages at the engine's edge: UTF-8 in and out, transliteration, upper().
#include "support/TempDir.h"
#include "xbase/CodePage.h"
#include "xbase/Table.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace xbase;

TEST(CodePage, EveryByteRoundTrips)
{
    for (CodePage cp : {CodePage::CP850, CodePage::CP437, CodePage::CP1252}) {
        for (int b = 1; b < 256; ++b) {
            std::string byte(1, char(b));
            std::string utf8 = toUtf8(byte, cp);
            EXPECT_EQ(utf8Length(utf8), 1u) << b;
            EXPECT_EQ(fromUtf8(utf8, cp), byte) << "byte " << b << " of code page " << int(cp);
        }
    }
    EXPECT_EQ(toUtf8("\x82\x90\x9a\xe1", CodePage::CP850), "éÉÜß");
    EXPECT_EQ(toUtf8("\x82\x9b", CodePage::CP437), "é¢");
    EXPECT_EQ(toUtf8("\x80\xe9", CodePage::CP1252), "€é");
}

TEST(CodePage, CharactersTheCodePageLacksAreTransliterated)
{
    struct Case {
        const char* utf8;
        CodePage cp;
        const char* expected; // as UTF-8 after the round trip
    } cases[] = {
        {"5 €", CodePage::CP850, "5 EUR"},
        {"5 €", CodePage::CP1252, "5 €"},
        {"Łódź Őrs", CodePage::CP850, "Lódz Ors"},
        {"“quoted” – dash…", CodePage::CP850, "\"quoted\" - dash..."},
        {"ø", CodePage::CP437, "o"},
        {"中", CodePage::CP850, "?"},
        {"bad \xff\xfe utf8 \xc3", CodePage::CP850, "bad ?? utf8 ?"},
    };
    for (const Case& c : cases) {
        std::string stored = fromUtf8(c.utf8, c.cp);
        EXPECT_EQ(toUtf8(stored, c.cp), c.expected) << c.utf8;
    }
}

TEST(CodePage, LanguageDriverByteNamesTheCodePage)
{
    EXPECT_EQ(languageDriverByte(CodePage::CP437), 0x01);
    EXPECT_EQ(languageDriverByte(CodePage::CP850), 0x02);
    EXPECT_EQ(languageDriverByte(CodePage::CP1252), 0x03);
    for (CodePage cp : {CodePage::CP850, CodePage::CP437, CodePage::CP1252})
        EXPECT_EQ(codePageFromLanguageDriver(languageDriverByte(cp)), cp);
    EXPECT_EQ(codePageFromLanguageDriver(0x00), CodePage::CP850);
    EXPECT_EQ(codePageFromLanguageDriver(0x57), CodePage::CP850);

    bwtest::TempDir dir;
    Table t({C("name", 8)});
    t.setFileName(dir.file("t.dbf"));
    t.setCodePage(CodePage::CP437);
    t.open();
    t.append();
    t.setField("name", "Zoë €");
    t.post();
    EXPECT_EQ(t.text("name"), "Zoë EUR");
    t.close();
    std::ifstream in(dir.file("t.dbf"), std::ios::binary);
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(bytes[29], 0x01);
    EXPECT_NE(bytes.find("Zo\x89 EUR"), std::string::npos) << "stored in CP437 bytes";
}

TEST(CodePage, UpperUsesTheCodePagesOwnCapitals)
{
    const unsigned char* up850 = upperTable(CodePage::CP850);
    const unsigned char* up437 = upperTable(CodePage::CP437);
    EXPECT_EQ(up850['a'], 'A');
    EXPECT_EQ(up850['Z'], 'Z');
    EXPECT_EQ(up850['1'], '1');
    EXPECT_EQ(up850[0x82], 0x90); // é -> É
    EXPECT_EQ(up850[0x85], 0xB7); // à -> À
    EXPECT_EQ(up850[0xE1], 0xE1); // ß has no capital
    EXPECT_EQ(up437[0x82], 0x90); // é -> É
    EXPECT_EQ(up437[0x85], 0x85); // à stays: CP437 has no À
    EXPECT_EQ(upperTable(CodePage::CP1252)[0xE9], 0xC9);
}
