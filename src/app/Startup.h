#pragma once

#include <string>

namespace bw {

class Prompter;
class Tdmod;

// Starts the data module on the data root: dmodCreate, with a failure (a folder that
// cannot be made, a table that cannot be created) shown as an error message through
// prompter. The program goes on either way, with the tables not yet opened left closed.
// Returns false when the start did not complete.
bool startDataModule(Tdmod& module, const std::string& dataRoot, Prompter& prompter);

} // namespace bw
