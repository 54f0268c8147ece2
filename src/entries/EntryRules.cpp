#include "entries/EntryRules.h"

#include <algorithm>

#include "data/Prompter.h"
#include "data/Tdmod.h"
#include "data/Text.h"

namespace bw {

// ---- classes text -------------------------------------------------------------------------

ClassList Parse_Classes(std::string_view classes)
{
    ClassList list;
    const std::string text = trimRight(classes);
    if (text == "NFC") {
        list.numbers = {999};
        list.given = 1;
        return list;
    }
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        const std::string_view piece =
            std::string_view(text).substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        ++list.given;
        if (int(list.numbers.size()) < kMaxClasses) list.numbers.push_back(Lenient_Int(piece));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    std::stable_sort(list.numbers.begin(), list.numbers.end());
    return list;
}

std::string TooManyClassesMessage(std::string_view classes, int given)
{
    return "The Classes Entered [" + trimRight(classes) + "] name " + std::to_string(given) +
           " classes;but an entry can be entered in at most " + std::to_string(kMaxClasses) +
           " classes.;;Please correct the Classes Entered and Save again.";
}

// ---- owner details ------------------------------------------------------------------------

namespace {

struct OwnerText {
    const char* field;
    std::string OwnerDetails::*member;
};

// The owner fields in the order Fill-In writes them.
constexpr OwnerText kOwnerTexts[] = {
    {"first", &OwnerDetails::first},       {"last", &OwnerDetails::last},
    {"address1", &OwnerDetails::address1}, {"address2", &OwnerDetails::address2},
    {"address3", &OwnerDetails::address3}, {"address4", &OwnerDetails::address4},
    {"zip", &OwnerDetails::zip},           {"owner2", &OwnerDetails::owner2},
    {"country", &OwnerDetails::country},   {"phone", &OwnerDetails::phone},
    {"email", &OwnerDetails::email},       {"salutation", &OwnerDetails::salutation},
};

} // namespace

bool New_Entry(xbase::Table& entries, const std::string& defaultBreed, OwnerDetails& remembered)
{
    remembered = OwnerDetails();
    if (entries.recordCount() > 0 && entries.recNo() != 0) {
        for (const OwnerText& o : kOwnerTexts) remembered.*o.member = entries.text(o.field);
        remembered.noprintadd = entries.fieldBool("noprintadd");
        remembered.remembered = true;
    }
    entries.append();
    entries.setField("breed", defaultBreed);
    return remembered.remembered;
}

void Fill_FromPrevious(xbase::Table& entries, const OwnerDetails& remembered)
{
    if (!remembered.remembered) return;
    for (const OwnerText& o : kOwnerTexts) entries.setField(o.field, remembered.*o.member);
    entries.setFieldBool("noprintadd", remembered.noprintadd);
}

// ---- save -------------------------------------------------------------------------------------

namespace {

// The leading whole number of an exhibit number as the ARMBAND tag reads it (val(arm)).
long armValue(std::string_view arm)
{
    size_t i = 0;
    while (i < arm.size() && arm[i] == ' ') ++i;
    long v = 0;
    bool any = false;
    for (; i < arm.size() && arm[i] >= '0' && arm[i] <= '9'; ++i) {
        v = v * 10 + (arm[i] - '0');
        any = true;
        if (v > 99999) break;
    }
    return any ? v : 0;
}

} // namespace

std::string InputExhibitNumber(xbase::Table& entries, char numberingMode)
{
    if (numberingMode != 'I' && numberingMode != 'i') return {};
    if (!trimRight(entries.fieldText("arm")).empty()) return {};
    const bool adding = entries.state() == xbase::TableState::Insert;
    const uint32_t self = adding ? 0 : entries.recNo();
    const uint32_t count = entries.recordCount();
    long number = adding ? long(count) + 101 : long(self) + 100;

    // Every number another entry holds (marked ones too: they may be undeleted).
    const int armField = entries.fieldNumber("arm");
    std::vector<bool> held;
    for (uint32_t r = 1; r <= count; ++r) {
        if (r == self) continue;
        const long v = armValue(entries.peek(armField, r));
        if (v <= 0) continue;
        if (size_t(v) >= held.size()) held.resize(size_t(v) + 1, false);
        held[size_t(v)] = true;
    }
    while (size_t(number) < held.size() && held[size_t(number)]) ++number;

    const std::string text = std::to_string(number);
    entries.setField("arm", text);
    return text;
}

bool Complete_Entry(Tdmod& m, const SaveInput& input)
{
    xbase::Table& entries = m.TzDbf1;
    const ClassList classes = Parse_Classes(entries.fieldText("classes"));
    if (classes.tooMany()) {
        m.prompter().Show_Message("Classes Entered", "!",
                                  TooManyClassesMessage(entries.fieldText("classes"), classes.given));
        return false;
    }

    InputExhibitNumber(entries, m.prefs.numberingMode());
    entries.setFieldInt("show_num", m.show.showNum);
    entries.setField("sex", input.sexText);
    entries.setFieldInt("firstclass", classes.firstClass());
    const Tdmod::SectionGroup sg = m.Get_SectionGroup(classes.firstClass());
    entries.setField("section", sg.section);
    entries.setField("catgroup", sg.catGroup);

    if (!trimRight(entries.fieldText("jr_name")).empty()) {
        // The class chosen in the list for this entry; without a choice, the key of the
        // class the entry names, so that an entry never gets another entry's class key.
        if (input.chosenJuniorKey) {
            entries.setField("jr_allkey", *input.chosenJuniorKey);
        } else if (input.juniorClasses) {
            const std::string name = trimRight(entries.fieldText("jr_class"));
            for (const JuniorClass& j : *input.juniorClasses)
                if (j.name == name) {
                    entries.setField("jr_allkey", j.allkey);
                    break;
                }
        }
    }
    entries.post();
    return true;
}

// ---- typing aids -----------------------------------------------------------------------------

namespace {

char32_t capital(char32_t c)
{
    return (c >= U'a' && c <= U'z') ? c - U'a' + U'A' : c;
}

} // namespace

char32_t AutoCaps(const TypedInto& box, char32_t typed, bool autoCapsOn)
{
    if (!autoCapsOn) return typed;
    if (!box.text.empty() && box.text != box.selected) {
        // The last character of the whole text counts, wherever the caret is.
        const char32_t last = box.text.back();
        return (last == U' ' || last == U'-') ? capital(typed) : typed;
    }
    return box.caret == 0 ? capital(typed) : typed;
}

char32_t DogName_Caps(const TypedInto& box, char32_t typed, bool autoCapsOn)
{
    if (!autoCapsOn) return typed;
    if (box.caret <= 0) return capital(typed);
    const size_t at = std::min(size_t(box.caret), box.text.size());
    if (at == 0) return capital(typed);
    const char32_t before = box.text[at - 1];
    const bool afterBreak = before == U' ' || before == U'.' || before == U'-' || before == U',' ||
                            before == U'/';
    return afterBreak ? capital(typed) : typed;
}

std::string Normalise_Country(std::string_view country)
{
    if (upperAscii(trimRight(country)) == "USA") return "USA";
    return std::string(country);
}

} // namespace bw
