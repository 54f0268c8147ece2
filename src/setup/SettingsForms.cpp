#include "setup/SettingsForms.h"

#include <cctype>

#include "data/Text.h"

namespace bw::setup {

namespace {
using namespace ini;

bool isUnknown(const std::string& v) { return equalsNoCase(trim(v), kUnknown); }

char firstUpper(const std::string& v, size_t i = 0)
{
    return i < v.size() ? static_cast<char>(std::toupper(static_cast<unsigned char>(v[i]))) : ' ';
}

const char* const kDateTexts[] = {"British", "American"};
const char* const kSexTexts[] = {"Dog/Bitch", "Male/Female", "Machos/Hembras"};
const char* const kArmbandTexts[] = {"AfterAutomatic", "InputAutomatic", "Manual"};

int highestClubInfoKey(const IniFile& f)
{
    int highest = 0;
    for (int n = 1; n <= kMaxClubSlots; ++n)
        if (f.valueExists(kClubInfo, std::to_string(n))) highest = n;
    return highest;
}
} // namespace

const char* armbandsText(int choice) { return kArmbandTexts[choice >= 0 && choice <= 2 ? choice : 0]; }

GeneralSettings readGeneralSettings(const IniFile& f)
{
    GeneralSettings s;
    const SecretaryInfo sec = readSecretary(f);
    s.name = sec.name;
    s.address1 = sec.address1;
    s.address2 = sec.address2;
    s.address3 = sec.address3;
    s.address4 = sec.address4;
    s.zip = sec.zip;
    s.phone = sec.phone;
    s.email = sec.email;

    s.commentLine = f.readString(kPreferences, kLine1, kUnknown);
    if (isUnknown(s.commentLine)) s.commentLine = kDefaultCommentLine;
    s.enterAsTab = f.readBool(kPreferences, kEnterAsTab, true);
    s.pgdnAsSave = f.readBool(kPreferences, kPgdnAsSave, true);
    s.autoCaps = f.readBool(kPreferences, kAutoCaps, true);

    const std::string armbands = upperAscii(trim(f.readString(kPreferences, kArmbands, kArmbandsSettingsDefault)));
    s.armbands = firstUpper(armbands) == 'I'   ? GeneralSettings::InputAutomatic
                 : firstUpper(armbands) == 'M' ? GeneralSettings::Manual
                                                : GeneralSettings::AfterAutomatic;
    s.armbandStart = f.readInteger(kPreferences, kArmbandStart, 0);

    const std::string date = f.readString(kPreferences, kDateFormat, kUnknown);
    s.dateFormat = firstUpper(date) == 'B' ? GeneralSettings::British : GeneralSettings::American;

    s.defaultCountry = f.readString(kPreferences, kDefaultCountry, kUnknown);

    const std::string sex = f.readString(kPreferences, kSexFormat, kUnknown);
    if (firstUpper(sex) == 'M')
        s.sexFormat = firstUpper(sex, 2) == 'C' ? GeneralSettings::MachoHembra : GeneralSettings::MaleFemale;
    else
        s.sexFormat = GeneralSettings::DogBitch;
    return s;
}

void writeGeneralSettings(IniFile& f, const GeneralSettings& s)
{
    const std::string secretary[] = {s.name, s.address1, s.address2, s.address3,
                                     s.address4, s.zip, s.phone, s.email};
    for (size_t i = 0; i < 8; ++i) f.writeString(kSecretaryInfo, kSecretaryKeys[i], secretary[i]);
    f.writeString(kPreferences, kDateFormat, kDateTexts[s.dateFormat == GeneralSettings::British ? 0 : 1]);
    f.writeString(kPreferences, kSexFormat, kSexTexts[s.sexFormat >= 0 && s.sexFormat <= 2 ? s.sexFormat : 0]);
    f.writeString(kPreferences, kDefaultCountry, s.defaultCountry);
    f.writeBool(kPreferences, kEnterAsTab, s.enterAsTab);
    f.writeBool(kPreferences, kPgdnAsSave, s.pgdnAsSave);
    f.writeBool(kPreferences, kAutoCaps, s.autoCaps);
    f.writeString(kPreferences, kArmbands, armbandsText(s.armbands));
    f.writeInteger(kPreferences, kArmbandStart, s.armbandStart);
    f.writeString(kPreferences, kLine1, s.commentLine);
}

std::string secretaryLine(const GeneralSettings& s)
{
    // An empty box is as good as a missing value: the preview names what is to be filled in.
    auto isUnknown = [](const std::string& v) { return trim(v).empty() || equalsNoCase(trim(v), kUnknown); };
    const std::string blanks(5, ' ');
    std::string line = isUnknown(s.name) ? "Secretary Name     " : trimRight(s.name) + blanks;
    if (isUnknown(s.address1)) {
        line += "Address Information  ";
    } else {
        line += trimRight(s.address1);
        for (const std::string* a : {&s.address2, &s.address3, &s.address4})
            if (!trim(*a).empty() && !isUnknown(*a)) line += ", " + trimRight(*a);
    }
    line += isUnknown(s.zip) ? "Postal Code     " : trimRight(s.zip) + blanks;
    line += isUnknown(s.phone) ? "Phone     " : trimRight(s.phone) + blanks;
    line += isUnknown(s.email) ? "Email" : trimRight(s.email);
    return line;
}

ClubSlotSettings readClubSlot(const IniFile& f, int slot)
{
    // The keys as the entry window reads them, with this window's own defaults where a
    // key is missing.
    const std::string sec = clubSection(slot);
    const ClubSettings read = readClub(f, slot);
    ClubSlotSettings c;
    c.tabCaption = f.readString(kClubInfo, std::to_string(slot), "Club" + std::to_string(slot));
    c.clubName = read.clubName;
    c.clubId = upperAscii(f.valueExists(sec, kClubID) ? read.clubId : kClubIDSettingsDefault);
    c.defaultBreed = read.defaultBreed;
    c.oneBreed = read.oneBreed;
    c.useAgents = f.valueExists(sec, kUseAgents) ? read.useAgents : true;
    c.useHeight = read.useHeight;
    c.sections = read.sections;
    return c;
}

void writeClubSlot(IniFile& f, int slot, const ClubSlotSettings& c, bool sectionsChanged)
{
    const std::string sec = clubSection(slot);
    f.writeString(kClubInfo, std::to_string(slot), c.tabCaption);
    if (sectionsChanged) {
        long old = f.readInteger(sec, kNumberOfSections, 0);
        for (long k = 1; k <= old && k <= 1000; ++k) f.deleteKey(sec, sectionKey(static_cast<int>(k)));
        f.deleteKey(sec, kNumberOfSections);
        for (size_t k = 0; k < c.sections.size(); ++k)
            f.writeString(sec, sectionKey(static_cast<int>(k + 1)), c.sections[k]);
        f.writeInteger(sec, kNumberOfSections, static_cast<long>(c.sections.size()));
    }
    f.writeString(sec, kClubName, c.clubName);
    f.writeString(sec, kClubID, c.clubId);
    f.writeString(sec, kDefaultBreed, c.defaultBreed);
    f.writeBool(sec, kOneBreed, c.oneBreed);
    f.writeBool(sec, kUseAgents, c.useAgents);
    f.writeBool(sec, kUseHeight, c.useHeight);
}

int clubSlotTabs(const IniFile& f)
{
    int n = highestClubInfoKey(f) + 1;
    return n > kMaxClubSlots ? kMaxClubSlots : n;
}

int knownClubSlots(const IniFile& f)
{
    int n = highestClubInfoKey(f);
    return n < 1 ? 1 : n;
}

} // namespace bw::setup
