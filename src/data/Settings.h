#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/Dates.h"
#include "data/IniFile.h"

namespace bw {

// The sections and keys of gendefs.ini, and the readers several windows share. Every
// reader opens the file when it needs a value (an IniFile) and gives its own default for
// a missing key; text keys mostly default to kUnknown, which readers then test for.
namespace ini {

inline constexpr const char* kUnknown = "Unknown";

// Section "Preferences" (program-wide).
inline constexpr const char* kPreferences = "Preferences";
inline constexpr const char* kEnterAsTab = "EnterAsTab";        // logical, true
inline constexpr const char* kPgdnAsSave = "PgdnAsSave";        // logical, true
inline constexpr const char* kAutoCaps = "AutoCaps";            // logical, true
inline constexpr const char* kArmbands = "Armbands";            // AfterAutomatic / InputAutomatic / Manual
inline constexpr const char* kArmbandStart = "ArmbandStart";    // whole number, 0
inline constexpr const char* kDateFormat = "DateFormat";        // British / American, "Unknown"
inline constexpr const char* kSexFormat = "SexFormat";          // "Dog/Bitch" ..., "Unknown"
inline constexpr const char* kUseHeight = "UseHeight";          // logical, false
inline constexpr const char* kDefaultCountry = "DefaultCountry";  // text, "Unknown"
inline constexpr const char* kLine1 = "Line1";                  // text, "Unknown"
// Each reader's own default of Armbands.
inline constexpr const char* kArmbandsEntryDefault = "InputAutomatic";     // entry and exhibit-number windows
inline constexpr const char* kArmbandsSettingsDefault = "AfterAutomatic";  // general settings window

// Section "SecretaryInfo": text keys, default "Unknown".
inline constexpr const char* kSecretaryInfo = "SecretaryInfo";
inline constexpr const char* kSecretaryKeys[] = {"Name",     "Address1", "Address2", "Address3",
                                                 "Address4", "Zip",      "Phone",    "Email"};

// Section "ClubInfo": key "1".."9" = the club ID of that slot.
inline constexpr const char* kClubInfo = "ClubInfo";
inline constexpr int kMaxClubSlots = 9;

// Sections "Club<n>-Info".
inline constexpr const char* kClubID = "ClubID";
inline constexpr const char* kClubName = "ClubName";
inline constexpr const char* kDefaultBreed = "DefaultBreed";
inline constexpr const char* kOneBreed = "OneBreed";
inline constexpr const char* kUseAgents = "UseAgents";
inline constexpr const char* kNumberOfSections = "NumberOfSections";
inline constexpr const char* kClubIDSettingsDefault = "Club1";  // the club settings window's default

// Sections "LastShow" and "LastMail".
inline constexpr const char* kLastShow = "LastShow";
inline constexpr const char* kLastOpenedShow = "LastOpenedShow";
inline constexpr const char* kLastShowNumber = "LastShow";       // key of section LastShow, "0"
inline constexpr const char* kLastMail = "LastMail";
inline constexpr const char* kLastOpenedMail = "LastOpenedMail";

// The entry grid's column layout: keys gridKey(i) in each of these sections.
inline constexpr const char* kShowGridFields = "ShowGridFields";
inline constexpr const char* kShowGridTitles = "ShowGridTitles";
inline constexpr const char* kShowGridWidths = "ShowGridWidths";
inline constexpr const char* kShowGridAlignment = "ShowGridAlignment";

} // namespace ini

// gendefs.ini in the data root.
std::string settingsPath(const std::string& dataRoot);

// "Club" + slot + "-Info".
std::string clubSection(int slot);
// "Section" + k (1-based), the keys of a club's chosen show sections.
std::string sectionKey(int k);
// "TzGrid1[" + column + "]", column counted from 0.
std::string gridKey(int column);

// The preferences as the entry window reads them at every activation.
struct Preferences {
    bool enterAsTab = true;
    bool pgdnAsSave = true;
    bool autoCaps = true;
    std::string armbands = "INPUTAUTOMATIC";  // trimmed and in capitals
    DateFormat dateFormat = DateFormat::American;
    std::string sexFormat = ini::kUnknown;
    bool useHeight = false;

    // The numbering mode: 'A' after input, 'I' as input, 'M' manual (the first letter).
    char numberingMode() const { return armbands.empty() ? ' ' : armbands[0]; }
};
Preferences readPreferences(const IniFile& file);

// The two sex words of a sex format: the text before the first "/" and after it, blanks
// around them removed; "Unknown" (any case) gives Dog and Bitch.
struct SexWords {
    std::string first;
    std::string second;
};
SexWords sexWords(std::string_view sexFormat);

// A club slot as the entry window reads it (its defaults: "Unknown", flags false).
struct ClubSettings {
    std::string clubId = ini::kUnknown;
    std::string clubName = ini::kUnknown;
    std::string defaultBreed = ini::kUnknown;  // trailing blanks removed
    bool oneBreed = false;
    bool useAgents = false;
    bool useHeight = false;
    std::vector<std::string> sections;         // Section1..Section<NumberOfSections>
};
ClubSettings readClub(const IniFile& file, int slot);

// The club IDs of ClubInfo keys 1..9 ("Unknown" for a missing key), slot 1 first.
std::vector<std::string> clubSlots(const IniFile& file);
// The slot (1..9) whose ClubInfo value, trailing blanks removed, equals the club ID;
// when several do, the last; 0 when none does.
int clubSlotOf(const IniFile& file, std::string_view clubId);

// Section "SecretaryInfo", every key "Unknown" when missing, trailing blanks removed.
struct SecretaryInfo {
    std::string name, address1, address2, address3, address4, zip, phone, email;
};
SecretaryInfo readSecretary(const IniFile& file);

// The five accessors of the data module, each one opening of gendefs.ini in the root.
std::string Get_LastShow(const std::string& dataRoot);
void Set_LastShow(const std::string& dataRoot, const std::string& path);
std::string Get_LastMail(const std::string& dataRoot);
void Set_LastMail(const std::string& dataRoot, const std::string& name);
std::string Get_ClubName(const std::string& dataRoot, int clubSlot);

} // namespace bw
