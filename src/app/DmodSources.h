#pragma once

#include "data/ui/DataSource.h"

namespace bw {

class Tdmod;

// One data source per table of the data module, for the data-aware controls of the
// windows. The data module itself has no windows, so its sources live here, beside it,
// for the whole run. The template's source never starts editing by itself.
struct DmodSources {
    explicit DmodSources(Tdmod& module);
    DmodSources(const DmodSources&) = delete;
    DmodSources& operator=(const DmodSources&) = delete;

    DataSource dsDogs;
    DataSource dsShow;
    DataSource DataSource1;  // the entries of the open show (TzDbf1)
    DataSource dsBreed;
    DataSource dsSections;
    DataSource dsAllClass;
    DataSource dsShowDate;
    DataSource dsCatGroups;
    DataSource dsJudges;
    DataSource dsSaluts;
    DataSource dsClass;
    DataSource dsShwJudge;
    DataSource dsCatalog;
    DataSource dsMail;
};

// The program's data sources; made by main() right after the data module.
extern DmodSources* dmodSources;

} // namespace bw
