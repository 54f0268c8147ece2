#include "app/WindowCommands.h"

// The subsystems' window headers. A subsystem that provides a window adds its opener
// below, one line per window.
#include "setup/ui/SetupWindows.h"
#include "numbering/ui/NumberingWindows.h"

namespace bw {

namespace {

WindowCommands makeWindowCommands()
{
    WindowCommands w;
    w.newShow = openNewShowWindow;
    w.showDates = openShowDatesWindow;
    w.classLibrary = openClassLibraryWindow;
    w.sections = openSectionsWindow;
    w.catalogueGroups = openCatalogGroupsWindow;
    w.breeds = openBreedsWindow;
    w.generalPreferences = openGeneralSettingsWindow;
    w.clubDefaults = openClubSettingsWindow;
    w.exhibitNumbers = openExhibitNumbersWindow;
    w.classCounts = openClassCountsWindow;
    return w;
}

} // namespace

WindowCommands& windowCommands()
{
    static WindowCommands commands = makeWindowCommands();
    return commands;
}

} // namespace bw
