#pragma once

#include <string>
#include <vector>

#include "data/Settings.h"

namespace bw::setup {

inline constexpr const char* kDefaultCommentLine =
    "Any Errors?  Please CONTACT the Show Secretary as soon as possible.";

// What the general settings window shows and writes: every key it owns of the sections
// SecretaryInfo and Preferences, read with the window's own defaults.
struct GeneralSettings {
    // SecretaryInfo, each "Unknown" when missing.
    std::string name, address1, address2, address3, address4, zip, phone, email;
    enum DateChoice { British = 0, American = 1 };
    int dateFormat = American;
    enum SexChoice { DogBitch = 0, MaleFemale = 1, MachoHembra = 2 };
    int sexFormat = DogBitch;
    std::string defaultCountry = ini::kUnknown;
    bool enterAsTab = true, pgdnAsSave = true, autoCaps = true;
    enum ArmbandChoice { AfterAutomatic = 0, InputAutomatic = 1, Manual = 2 };
    int armbands = AfterAutomatic;
    long armbandStart = 0;
    std::string commentLine = kDefaultCommentLine;
};

GeneralSettings readGeneralSettings(const IniFile& file);
// Writes every key of the window (and no other).
void writeGeneralSettings(IniFile& file, const GeneralSettings& s);

// The numbering mode text of a choice: "AfterAutomatic", "InputAutomatic", "Manual".
const char* armbandsText(int choice);

// The secretary line of the exhibitor slips, as the preview box shows it.
std::string secretaryLine(const GeneralSettings& s);

// One club slot as the club settings window shows and writes it.
struct ClubSlotSettings {
    std::string tabCaption;     // ClubInfo key n; "Club" + n when missing
    std::string clubName = ini::kUnknown;
    std::string clubId = "CLUB1";  // ClubID in capitals; "Club1" when missing, whatever the slot
    std::string defaultBreed = ini::kUnknown;
    bool oneBreed = false;
    bool useAgents = true;
    bool useHeight = false;
    std::vector<std::string> sections;  // the chosen ones, in the order written
};

ClubSlotSettings readClubSlot(const IniFile& file, int slot);
// Writes the slot: ClubInfo key n (the tab caption), the chosen sections when
// sectionsChanged (the old Section keys removed first), ClubName, ClubID, DefaultBreed,
// OneBreed, UseAgents, UseHeight.
void writeClubSlot(IniFile& file, int slot, const ClubSlotSettings& s, bool sectionsChanged);

// How many slots the club settings window offers: every slot up to the last one that
// has a ClubInfo key, and one empty slot after it for a further club (1 to 9).
int clubSlotTabs(const IniFile& file);
// How many clubs the program knows: slots up to the last with a ClubInfo key (at least 1).
int knownClubSlots(const IniFile& file);

} // namespace bw::setup
