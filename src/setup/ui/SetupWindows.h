#pragma once

// The show-setup windows, one function each, as the main window's menus open them.
// Every window is modal, made when opened and freed when it closes; each works on the
// program's data module (bw::dmod) and its data sources (bw::dmodSources).

class QWidget;

namespace bw {

// Databases > Special Program Data > "All Classes": the class library (TClassForm).
void openClassLibraryWindow(QWidget* parent);
// The class code list (TClassListForm): the whole library, or the open show's classes.
void openClassCodeList(QWidget* parent, bool showMode);

// New Show (TNewShw). Returns true when a show was created: its entries table is then
// open (dmod->TzDbf1) and dmod->show holds the new show, for the main window to take
// as the open show.
bool openNewShowWindow(QWidget* parent);

// Databases > Special Program Data > "Show Sections" (TSectionForm).
void openSectionsWindow(QWidget* parent);
// Databases > Special Program Data > "Catalogue Groups" (TCatGroupForm).
void openCatalogGroupsWindow(QWidget* parent);
// Databases > "Show Dates and Selected Classes" (TShwDatesForm1).
void openShowDatesWindow(QWidget* parent);
// Databases > Special Program Data > "Breeds && Varieties" (TBreedForm).
void openBreedsWindow(QWidget* parent);

// Tools > "General Preferences" (TGeneralDefaultsForm). The caller closes the open show
// first and reads the preferences again afterwards.
void openGeneralSettingsWindow(QWidget* parent);
// Tools > "Club Defaults" (TClubDefaultsForm1). The caller closes the open show first,
// then reads the preferences again and rebuilds its list of clubs.
void openClubSettingsWindow(QWidget* parent);

} // namespace bw
