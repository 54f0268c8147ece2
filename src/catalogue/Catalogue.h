#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace xbase {
class Table;
}

namespace bw {

class Tdmod;

// The catalogue table of a show: one record per class a dog is entered in (its first
// class as the main record, also_entry "0"; every further class, also_entry "1") and one
// per junior handler (also_entry "0", section "Breed", group "BJR"), for every entry not
// marked deleted, kept in catalogue order by the tag CLASSKEY
// (str(classnum,3)+also_entry+arm). It is derived from the entries and rebuilt by every
// command that prints from it.

// Rebuilds the catalogue table of the show (club ID, show number) from the entries table
// of the open show, then refills the count of every show class (Get_Class_Counts). On
// return the catalogue table is open in CLASSKEY order on its first record. An entry
// naming more than six classes contributes its first six; one message names such entries.
void Build_Catalog(Tdmod& m, const std::string& clubId, int showNum);

// Writes into the count field of every show class the number of catalogue records of
// its class number (0 for a class without records). A class number of the catalogue
// that no show class bears is reported, except the highest one of the catalogue.
void Get_Class_Counts(Tdmod& m);

// The further classes of entry recNo ("7,12" for the classes 3,7,12): true when the
// entry is entered in two or more classes, with the text in also; false otherwise.
bool Get_Also_Classes(Tdmod& m, uint32_t recNo, std::string& also);

// True when the catalogue lines of class n show the dog's sex: the class library class
// of the first show class numbered n that the library knows is open to both sexes, or
// the library knows none of them.
bool Class_Shows_Sex(Tdmod& m, int classNum);

// Class_Shows_Sex for every class of the show at once: one walk of the show class file
// and one library lookup per class, for writers that ask for many classes.
class ClassSexes {
public:
    explicit ClassSexes(Tdmod& m);
    bool showsSex(long classNum) const;

private:
    std::unordered_map<long, bool> decided_;  // classes the library knows
};

// Splits off the first line of at most width characters, broken after a blank, ",", "-"
// or "." (a second break character right after it is dropped). A text shorter than width
// is the line itself; one with no break character is cut at width.
void Wrap_Text(std::string_view text, int width, std::string& line, std::string& rest);

// The section and catalogue group of each class number of a show class file: for a
// number several classes bear (all NFC classes are 999), the last one in stored order.
// Built in one pass, so that every catalogue record is placed without a walk of the file.
class ClassPlaces {
public:
    struct Place {
        std::string section;   // as stored (15 characters)
        std::string catGroup;  // as stored (3 characters)
    };
    explicit ClassPlaces(const xbase::Table& showClasses);
    // The place of class n; blank texts when no class bears the number.
    const Place& of(long classNum) const;

private:
    std::unordered_map<long, Place> places_;
    Place blank_;
};

} // namespace bw
