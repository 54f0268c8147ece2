#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/Table.h"

namespace bw {

class Prompter;
class Tdmod;

// The rules that shape one entry of the open show's entries table (TzDbf1), apart from
// the window that edits it: the values a new entry starts with, the owner details copied
// from the previous entry, the fields derived on save, the classes text, and the typing
// aids of the edit boxes.

// ---- classes text ---------------------------------------------------------------------

// An entry carries at most this many class numbers.
inline constexpr int kMaxClasses = 6;

// A classes text read into its class numbers: "12,3,7" gives 3, 7, 12; "NFC" gives 999;
// an empty text gives 0. Each number is read with the lenient whole-number reading.
struct ClassList {
    std::vector<int> numbers;   // sorted ascending; never more than kMaxClasses
    int given = 0;              // how many numbers the text names (may exceed kMaxClasses)

    int firstClass() const { return numbers.empty() ? 0 : numbers.front(); }
    bool tooMany() const { return given > kMaxClasses; }
};
// A text naming more than six classes keeps its first six (as typed) in the list;
// given tells the caller that the rest was left out.
ClassList Parse_Classes(std::string_view classes);

// The message shown when a classes text names too many classes (";" starts a line).
std::string TooManyClassesMessage(std::string_view classes, int given);

// ---- owner details remembered for Fill-In -------------------------------------------------

struct OwnerDetails {
    bool remembered = false;    // false: nothing to fill in
    std::string first, last, owner2, address1, address2, address3, address4, zip, country,
        phone, email, salutation;
    bool noprintadd = false;
};

// Starts a new entry (the table browsing): remembers the owner details of the entry the
// table stands on (when the table has records; otherwise nothing is remembered), appends
// an empty record in insert state and gives it the club's default breed. Returns whether
// owner details were remembered (Fill-In is offered only then).
bool New_Entry(xbase::Table& entries, const std::string& defaultBreed, OwnerDetails& remembered);

// Copies the remembered owner details into the entry being added.
void Fill_FromPrevious(xbase::Table& entries, const OwnerDetails& remembered);

// ---- save -----------------------------------------------------------------------------------

// A junior handling class of the open show, as the junior class list offers it.
struct JuniorClass {
    std::string name;      // classname, trailing blanks removed
    std::string allkey;    // the class library key (4 characters)
};

// What the entry window adds to the record when it saves.
struct SaveInput {
    std::string sexText;                       // the text shown in the sex box
    // The key of the junior class chosen in the junior class list while this entry was
    // shown; nothing when no class was chosen.
    std::optional<std::string> chosenJuniorKey;
    const std::vector<JuniorClass>* juniorClasses = nullptr;  // the show's junior classes
};

// Derives the computed fields of the entry being saved and posts it: the exhibit number
// (numbering "as inputted"), show_num, sex, firstclass, section and catgroup (with the
// invalid-class message of Get_SectionGroup), and for an entry with a junior handler the
// junior class key. A browsing entry is stored again. A classes text of more than six
// classes is refused with a message and nothing is posted; returns false then.
bool Complete_Entry(Tdmod& m, const SaveInput& input);

// Gives the entry being saved its exhibit number when the numbering mode starts with "I"
// and its number is blank: 100 + its record number (for a new record, the number it will
// have). A number that another entry already holds (record numbers shift when the file
// is packed) is passed over for the next one that no entry holds. Returns the number
// given, or "" when nothing was done.
std::string InputExhibitNumber(xbase::Table& entries, char numberingMode);

// ---- typing aids ---------------------------------------------------------------------------

// A text box as the typing aids see it when a character is typed.
struct TypedInto {
    std::u32string text;      // the box's text
    std::u32string selected;  // its selected text
    int caret = 0;            // caret position; 0 = before the first character
};

// The character to insert for one typed into a text box with the AutoCaps setting on:
// in a box with text (not all of it selected) a letter becomes a capital after a blank
// or "-" at the end of the text; in an empty (or wholly selected) box, at position 0.
// Only a to z are changed.
char32_t AutoCaps(const TypedInto& box, char32_t typed, bool autoCapsOn = true);

// The same decision for the dog's name box: a capital at position 0 or after a blank,
// ".", "-", "," or "/" just before the caret.
char32_t DogName_Caps(const TypedInto& box, char32_t typed, bool autoCapsOn = true);

// "USA" when the text, trailing blanks removed and in capitals, is USA; else the text.
std::string Normalise_Country(std::string_view country);

} // namespace bw
