#include "app/DmodSources.h"

#include "data/Tdmod.h"

namespace bw {

DmodSources* dmodSources = nullptr;

DmodSources::DmodSources(Tdmod& m)
    : dsDogs(&m.Dogs),
      dsShow(&m.Show),
      DataSource1(&m.TzDbf1),
      dsBreed(&m.Breeds),
      dsSections(&m.Sections),
      dsAllClass(&m.AllClasses),
      dsShowDate(&m.ShowDates),
      dsCatGroups(&m.CatGroups),
      dsJudges(&m.Judges),
      dsSaluts(&m.Salutations),
      dsClass(&m.ShowClasses),
      dsShwJudge(&m.ShwJudges),
      dsCatalog(&m.Catalog),
      dsMail(&m.Mail)
{
    dsShow.setAutoEdit(false);
}

} // namespace bw
