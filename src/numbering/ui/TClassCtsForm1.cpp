#include "numbering/ui/TClassCtsForm1.h"

#include "app/HelpForm.h"
#include "numbering/ClassCounts.h"

namespace bw {

print::ListingConfig TClassCtsForm1::listingConfig(Tdmod& module)
{
    print::ListingConfig c;
    c.caption = QObject::tr("Count Entries per Class");
    c.closeCaption = QObject::tr("C&lose");
    c.tabStrip = true;
    c.print.title = "Count Entries per Class";
    c.build = [&module](print::RichDoc& doc) { Build_ClassCountsListing(module, doc); };
    c.help = [] { showHelp(nullptr, "brindlereadfirst.rtf"); };
    return c;
}

TClassCtsForm1::TClassCtsForm1(Tdmod& module, QWidget* parent)
    : print::ListingWindow(listingConfig(module), parent)
{
}

} // namespace bw
