#include "app/Startup.h"

#include <exception>

#include "data/Prompter.h"
#include "data/Tdmod.h"

namespace bw {

bool startDataModule(Tdmod& module, const std::string& dataRoot, Prompter& prompter)
{
    module.setPrompter(&prompter);
    try {
        module.dmodCreate(dataRoot);
        return true;
    } catch (const std::exception& e) {
        Show_Error(prompter, e.what());
        return false;
    }
}

} // namespace bw
