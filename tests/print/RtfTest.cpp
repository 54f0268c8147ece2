#include "print/Rtf.h"
#include "print/Utf8.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace bw::print;

namespace {

RichDoc sampleDoc()
{
    RichDoc doc;
    doc.setTabStops({150, 250, 350});
    doc.setFont("Arial", 14, true);
    doc.addLine("Crufts & Co. – Café Résumé");
    doc.setFont("Arial", 10);
    doc.addLine("Class\tName\tEntries");
    doc.setFont("Arial", 10, false, true);
    doc.addLine("Judge: Señora Ōtsuka €5");
    doc.setFont("Arial", 10, false, false, true);
    doc.addLine("Class 1.   Minor Puppy {braces} back\\slash");
    doc.setFont("Courier New", 8);
    doc.setLeftIndent(40);
    doc.addLine("");
    doc.addLine("Ελληνικά 😀");  // a character beyond the first plane goes as two \u
    return doc;
}

// The paragraphs of pandoc's native output as plain text: the Str items of each Para
// (or the text of a CodeBlock, which pandoc makes of a monospaced paragraph), Space as
// one blank.
std::vector<std::string> pandocParagraphs(const std::string& rtf)
{
    bwtest::TempDir dir;
    std::string path = dir.file("doc.rtf");
    std::ofstream(path, std::ios::binary) << rtf;
    int status = 0;
    std::string native = bwtest::runCommand("pandoc -f rtf -t native '" + path + "'", &status);
    EXPECT_EQ(status, 0);

    auto literal = [&](size_t& i) {  // a Haskell string literal starting at native[i] == '"'
        std::u32string out;
        for (++i; i < native.size() && native[i] != '"'; ++i) {
            if (native[i] != '\\') { out += static_cast<unsigned char>(native[i]); continue; }
            char c = native[++i];
            if (isdigit(static_cast<unsigned char>(c))) {
                char32_t v = 0;
                while (isdigit(static_cast<unsigned char>(native[i]))) v = v * 10 + (native[i++] - '0');
                --i;
                out += v;
            } else if (c == 't') out += U'\t';
            else if (c == 'n') out += U'\n';
            else if (c != '&') out += static_cast<unsigned char>(c);
        }
        ++i;
        return utf8Encode(out);
    };
    std::vector<std::string> paras;
    size_t i = 0;
    while (i < native.size()) {
        if (native.compare(i, 4, "Para") == 0) { paras.emplace_back(); i += 4; }
        else if (native.compare(i, 9, "CodeBlock") == 0) {
            i = native.find("\n", native.find(')', i));
            i = native.find('"', i);
            paras.push_back(literal(i));
        }
        else if (native.compare(i, 5, "Str \"") == 0) { i += 4; paras.back() += literal(i); }
        else if (native.compare(i, 5, "Space") == 0) { paras.back() += ' '; i += 5; }
        else ++i;
    }
    return paras;
}

std::string blanksForTabs(std::string s)
{
    std::string out;
    for (char c : s) {
        if (c == '\t') c = ' ';
        if (c == ' ' && !out.empty() && out.back() == ' ') continue;
        out += c;
    }
    return out;
}

} // namespace

TEST(RtfWriter, EscapesCp1252AsHexAndOthersAsUnicodeWithHexFallback)
{
    RichDoc doc;
    doc.addLine("é€Ω{}\\");
    std::string rtf = writeRtf(doc);
    EXPECT_NE(rtf.find("\\'e9\\'80\\u937\\'3f\\{\\}\\\\"), std::string::npos) << rtf;
    EXPECT_EQ(rtf.find("\\u937?"), std::string::npos);
}

TEST(RtfWriter, PandocReadsTextAccentsTabsAndCharacterFormats)
{
    BW_REQUIRE_PROGRAM("pandoc");
    RichDoc doc = sampleDoc();
    doc.paragraphs().pop_back();  // pandoc 2.17 does not join \u surrogate pairs
    std::string rtf = writeRtf(doc);
    std::vector<std::string> paras = pandocParagraphs(rtf);
    // pandoc reads a \tab as a blank and collapses blanks; the empty line is dropped
    std::vector<std::string> expected;
    for (const auto& line : doc.lines())
        if (!line.empty()) expected.push_back(blanksForTabs(line));
    EXPECT_EQ(paras, expected);

    bwtest::TempDir dir;
    std::ofstream(dir.file("d.rtf"), std::ios::binary) << rtf;
    std::string native = bwtest::runCommand("pandoc -f rtf -t native '" + dir.file("d.rtf") + "'");
    EXPECT_NE(native.find("Strong\n        [ Str \"Crufts\""), std::string::npos) << native;
    EXPECT_NE(native.find("Emph\n        [ Str \"Judge:\""), std::string::npos) << native;
    EXPECT_NE(native.find("Underline\n        [ Str \"Class\""), std::string::npos) << native;
}

TEST(RtfReader, ReadsBackWhatTheWriterWrote)
{
    RichDoc doc = sampleDoc();
    auto back = readRtf(writeRtf(doc));
    ASSERT_TRUE(back.doc) << back.error;
    ASSERT_EQ(back.doc->paragraphs().size(), doc.paragraphs().size());
    for (size_t i = 0; i < doc.paragraphs().size(); ++i)
        EXPECT_EQ(back.doc->paragraphs()[i], doc.paragraphs()[i]) << "paragraph " << i;
}

TEST(RtfReader, ReadsWordProcessorRtf)
{
    // as a word processor writes it: font table with extras, colour table, style
    // sheet, \uN? fallbacks, groups that switch formats, paragraphs ended by \par
    std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}"
        "{\\f1\\fswiss{\\*\\panose 020b0604020202020204}Arial;}}"
        "{\\colortbl;\\red0\\green0\\blue0;}{\\stylesheet{\\s0 Normal;}}"
        "{\\*\\generator Writer;}\\uc1\\pard\\qc\\f1\\fs28 {\\b Read First}\\par\n"
        "\\pard\\li720\\fi-360\\tx1440 Pr\\u233?f\\'e9rences\\tab {\\i set} {\\ul them}\\ul0  now\\par\n"
        "Last line}";
    auto r = readRtf(rtf);
    ASSERT_TRUE(r.doc) << r.error;
    const auto& ps = r.doc->paragraphs();
    ASSERT_EQ(ps.size(), 3u);
    EXPECT_EQ(ps[0].text(), "Read First");
    EXPECT_EQ(ps[0].align, Align::Center);
    EXPECT_TRUE(ps[0].runs[0].format.bold);
    EXPECT_EQ(ps[0].runs[0].format.name, "Arial");
    EXPECT_EQ(ps[0].runs[0].format.points, 14);
    EXPECT_EQ(ps[1].text(), "Préférences\tset them now");
    EXPECT_EQ(ps[1].leftIndentPt, 36);
    EXPECT_EQ(ps[1].firstIndentPt, -18);
    EXPECT_EQ(ps[1].tabStopsPt, std::vector<double>{72});
    EXPECT_FALSE(ps[1].runs[0].format.bold);
    ASSERT_GE(ps[1].runs.size(), 4u);
    EXPECT_EQ(ps[1].runs[1].text, "set");
    EXPECT_TRUE(ps[1].runs[1].format.italic);
    EXPECT_TRUE(ps[1].runs[3].format.underline);
    EXPECT_EQ(ps[2].text(), "Last line");
}

TEST(RtfReader, RefusesWhatIsNotRtf)
{
    auto r = readRtf("Hello, this is plain text");
    EXPECT_FALSE(r.doc);
    EXPECT_FALSE(r.error.empty());
}

TEST(RtfReader, SurvivesDamagedInput)
{
    // cut short, bad escapes, unbalanced groups, binary data, huge numbers
    for (const char* rtf : {"{\\rtf1 abc\\'", "{\\rtf1 \\'zzok\\par}", "{\\rtf1 {{{{ deep\\par",
                            "{\\rtf1 a}}}} b", "{\\rtf1 {\\*\\pict\\bin4 {}}}x}",
                            "{\\rtf1 \\u99999999999999999999 \\fs-40 \\li \\tx}", "{\\rtf1\\u",
                            "{\\rtf1 {\\fonttbl{\\f0 Arial"}) {
        auto r = readRtf(rtf);
        EXPECT_TRUE(r.doc) << rtf;
    }
    auto r = readRtf("{\\rtf1 {\\*\\pict\\bin4 {}}}}x}");
    ASSERT_TRUE(r.doc);
    EXPECT_EQ(r.doc->plainText(), "x");
    EXPECT_EQ(readRtf("{\\rtf1 \\'zzok\\par}").doc->plainText(), "zzok");
}

TEST(RtfFiles, SaveReportsAFolderThatCannotBeWritten)
{
    std::string error;
    EXPECT_FALSE(saveRtfFile(sampleDoc(), "/nonexistent-folder/x.rtf", &error));
    EXPECT_NE(error.find("/nonexistent-folder/x.rtf"), std::string::npos);
    auto r = loadRtfFile("/nonexistent-folder/x.rtf");
    EXPECT_FALSE(r.doc);
    EXPECT_NE(r.error.find("x.rtf"), std::string::npos);
}
