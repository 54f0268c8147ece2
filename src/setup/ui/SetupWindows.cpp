#include "setup/ui/SetupWindows.h"

#include "setup/ui/ClassForm.h"
#include "setup/ui/CodeListForms.h"
#include "setup/ui/GroupForms.h"
#include "setup/ui/NewShowForm.h"
#include "setup/ui/SettingsWindows.h"
#include "setup/ui/ShwDatesForm.h"

namespace bw {

namespace {
template <typename Window, typename... Args>
int runModal(QWidget* parent, Args... args)
{
    Window w(args..., parent);
    return w.exec();
}
} // namespace

void openClassLibraryWindow(QWidget* parent) { runModal<TClassForm>(parent); }
void openClassCodeList(QWidget* parent, bool showMode) { runModal<TClassListForm>(parent, showMode); }

bool openNewShowWindow(QWidget* parent)
{
    TNewShw w(parent);
    w.exec();
    return w.created();
}

void openSectionsWindow(QWidget* parent) { runModal<TSectionForm>(parent); }
void openCatalogGroupsWindow(QWidget* parent) { runModal<TCatGroupForm>(parent); }
void openShowDatesWindow(QWidget* parent) { runModal<TShwDatesForm1>(parent); }
void openBreedsWindow(QWidget* parent) { runModal<TBreedForm>(parent); }
void openGeneralSettingsWindow(QWidget* parent) { runModal<TGeneralDefaultsForm>(parent); }
void openClubSettingsWindow(QWidget* parent) { runModal<TClubDefaultsForm1>(parent); }

} // namespace bw
