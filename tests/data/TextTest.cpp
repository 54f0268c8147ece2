#include <gtest/gtest.h>

#include "data/Dates.h"
#include "data/Text.h"

TEST(LenientInt, TypedNumbers)
{
    struct Case { const char* text; int value; } cases[] = {
        {"+12", 12},      {" 1,001", 1001}, {"$40", 40},         {"12 34", 12},
        {"", 0},          {"   ", 0},       {"40000", 32767},    {"-40000", -32768},
        {"-5x", -5},      {"32767", 32767}, {"-32768", -32768},  {"abc", 0},
        {"7abc", 7},      {"  +3", 3},      {"++3", 0},          {"1,2,3", 123},
        {"99999999999999999999", 32767},    {"- 5", 0},          {"$1,234.56", 1234},
    };
    for (const auto& c : cases) EXPECT_EQ(bw::Lenient_Int(c.text), c.value) << '"' << c.text << '"';
}

TEST(ZeroPad, PadsToWidthAndNeverCuts)
{
    EXPECT_EQ(bw::Zero_Pad(12, 5), "00012");
    EXPECT_EQ(bw::Zero_Pad(0, 5), "00000");
    EXPECT_EQ(bw::Zero_Pad(123456, 5), "123456");
    EXPECT_EQ(bw::Zero_Pad(99999, 5), "99999");
    EXPECT_EQ(bw::Zero_Pad(7, 1), "7");
}

TEST(DoubleAmpersands, OnlyFreeStandingAmpersandsAreDoubled)
{
    EXPECT_EQ(bw::Double_Ampersands("Mr. & Mrs."), "Mr. && Mrs.");
    EXPECT_EQ(bw::Double_Ampersands("A&B"), "A&B");
    EXPECT_EQ(bw::Double_Ampersands("A && B"), "A && B");
    EXPECT_EQ(bw::Double_Ampersands("A & B & C"), "A && B && C");
    EXPECT_EQ(bw::Double_Ampersands("A & & B"), "A && && B");
    EXPECT_EQ(bw::Double_Ampersands(""), "");
}

TEST(Dates, LongFormsInEnglish)
{
    using bw::DateFormat;
    EXPECT_EQ(bw::Long_Date("20261209", DateFormat::British), "9 December 2026");
    EXPECT_EQ(bw::Long_Date("20261209", DateFormat::American), "December 9, 2026");
    EXPECT_EQ(bw::Long_Date("20030614", DateFormat::American), "June 14, 2003");
    EXPECT_EQ(bw::Long_Date("20030101", DateFormat::British), "1 January 2003");
    EXPECT_EQ(bw::Long_Date("        ", DateFormat::British), "        ");
    EXPECT_EQ(bw::Long_Date("", DateFormat::American), "        ");
}

TEST(Dates, DateFormatSettingByFirstLetter)
{
    using bw::DateFormat;
    EXPECT_EQ(bw::dateFormatFrom("British"), DateFormat::British);
    EXPECT_EQ(bw::dateFormatFrom("American"), DateFormat::American);
    EXPECT_EQ(bw::dateFormatFrom("Unknown"), DateFormat::American);
    EXPECT_EQ(bw::dateFormatFrom(""), DateFormat::American);

    EXPECT_EQ(bw::Short_Date("20261209", "American"), "12.09.26");
    EXPECT_EQ(bw::Short_Date("20261209", "Unknown"), "12.09.26");
    EXPECT_EQ(bw::Short_Date("20261209", "British"), "09.12.26");
    EXPECT_EQ(bw::Short_Date("20261209", "Xyz"), "");
    EXPECT_EQ(bw::Short_Date("", "British"), "..");
}
