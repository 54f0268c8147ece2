// Temporary stand-in until the .mdx writer lands: tags live in memory only.
#include "xbase/Mdx.h"

namespace xbase {

void writeMdx(const std::string&, const std::string&, const std::vector<MdxTagImage>&) {}
void encodeNumericKey(double, char out[12]) { for (int i = 0; i < 12; ++i) out[i] = 0; }
double julianDay(int, int, int) { return 0; }

} // namespace xbase
