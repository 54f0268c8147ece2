#include "numbering/ui/NumberingWindows.h"

#include "app/DmodSources.h"
#include "catalogue/Catalogue.h"
#include "data/Tdmod.h"
#include "numbering/ui/TAddArmForm.h"
#include "numbering/ui/TClassCtsForm1.h"

namespace bw {

void openExhibitNumbersWindow(QWidget* parent)
{
    if (!dmod || !dmodSources || !dmod->TzDbf1.isOpen()) return;
    TAddArmForm window(*dmod, dmodSources->DataSource1, parent);
    window.exec();
}

void openClassCountsWindow(QWidget* parent)
{
    if (!dmod || !dmod->TzDbf1.isOpen()) return;
    if (dmod->TzDbf1.recordCount() == 0) {
        dmod->prompter().Message_Box(BoxKind::Information, "", "You need some entries first!");
        return;
    }
    Build_Catalog(*dmod, dmod->show.clubId, dmod->show.showNum);
    TClassCtsForm1 window(*dmod, parent);
    window.exec();
}

} // namespace bw
