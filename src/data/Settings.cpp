#include "data/Settings.h"

#include "data/DataRoot.h"
#include "data/Text.h"

namespace bw {

std::string settingsPath(const std::string& dataRoot)
{
    return dataRoot + "/" + kSettingsFileName;
}

std::string clubSection(int slot) { return "Club" + std::to_string(slot) + "-Info"; }
std::string sectionKey(int k) { return "Section" + std::to_string(k); }
std::string gridKey(int column) { return "TzGrid1[" + std::to_string(column) + "]"; }

Preferences readPreferences(const IniFile& f)
{
    using namespace ini;
    Preferences p;
    p.enterAsTab = f.readBool(kPreferences, kEnterAsTab, true);
    p.pgdnAsSave = f.readBool(kPreferences, kPgdnAsSave, true);
    p.autoCaps = f.readBool(kPreferences, kAutoCaps, true);
    p.armbands = upperAscii(trim(f.readString(kPreferences, kArmbands, kArmbandsEntryDefault)));
    p.dateFormat = dateFormatFrom(f.readString(kPreferences, kDateFormat, kUnknown));
    p.sexFormat = f.readString(kPreferences, kSexFormat, kUnknown);
    p.useHeight = f.readBool(kPreferences, kUseHeight, false);
    return p;
}

SexWords sexWords(std::string_view sexFormat)
{
    if (equalsNoCase(trim(sexFormat), ini::kUnknown)) return {"Dog", "Bitch"};
    size_t slash = sexFormat.find('/');
    if (slash == std::string_view::npos) return {trim(sexFormat), ""};
    return {trim(sexFormat.substr(0, slash)), trim(sexFormat.substr(slash + 1))};
}

ClubSettings readClub(const IniFile& f, int slot)
{
    using namespace ini;
    const std::string s = clubSection(slot);
    ClubSettings c;
    c.clubId = f.readString(s, kClubID, kUnknown);
    c.clubName = trimRight(f.readString(s, kClubName, kUnknown));
    c.defaultBreed = trimRight(f.readString(s, kDefaultBreed, kUnknown));
    c.oneBreed = f.readBool(s, kOneBreed, false);
    c.useAgents = f.readBool(s, kUseAgents, false);
    c.useHeight = f.readBool(s, kUseHeight, false);
    long n = f.readInteger(s, kNumberOfSections, 0);
    for (long k = 1; k <= n && k <= 1000; ++k)
        c.sections.push_back(f.readString(s, sectionKey(static_cast<int>(k)), kUnknown));
    return c;
}

std::vector<std::string> clubSlots(const IniFile& f)
{
    std::vector<std::string> ids;
    for (int n = 1; n <= ini::kMaxClubSlots; ++n)
        ids.push_back(f.readString(ini::kClubInfo, std::to_string(n), ini::kUnknown));
    return ids;
}

int clubSlotOf(const IniFile& f, std::string_view clubId)
{
    std::vector<std::string> ids = clubSlots(f);
    int slot = 0;
    for (size_t i = 0; i < ids.size(); ++i)
        if (trimRight(ids[i]) == clubId) slot = static_cast<int>(i) + 1;
    return slot;
}

SecretaryInfo readSecretary(const IniFile& f)
{
    auto get = [&](const char* key) { return trimRight(f.readString(ini::kSecretaryInfo, key, ini::kUnknown)); };
    SecretaryInfo s;
    s.name = get("Name");
    s.address1 = get("Address1");
    s.address2 = get("Address2");
    s.address3 = get("Address3");
    s.address4 = get("Address4");
    s.zip = get("Zip");
    s.phone = get("Phone");
    s.email = get("Email");
    return s;
}

namespace {
// One reading or one writing of a single key of gendefs.ini.
std::string readOne(const std::string& root, const char* section, const char* key)
{
    return IniFile(settingsPath(root)).readString(section, key, ini::kUnknown);
}
void writeOne(const std::string& root, const char* section, const char* key, const std::string& value)
{
    IniFile f(settingsPath(root));
    f.writeString(section, key, value);
    f.save();
}
} // namespace

std::string Get_LastShow(const std::string& root) { return readOne(root, ini::kLastShow, ini::kLastOpenedShow); }
void Set_LastShow(const std::string& root, const std::string& path) { writeOne(root, ini::kLastShow, ini::kLastOpenedShow, path); }
std::string Get_LastMail(const std::string& root) { return readOne(root, ini::kLastMail, ini::kLastOpenedMail); }
void Set_LastMail(const std::string& root, const std::string& name) { writeOne(root, ini::kLastMail, ini::kLastOpenedMail, name); }

std::string Get_ClubName(const std::string& root, int clubSlot)
{
    return trimRight(readOne(root, clubSection(clubSlot).c_str(), ini::kClubName));
}

} // namespace bw
