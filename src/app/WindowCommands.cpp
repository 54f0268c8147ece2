#include "app/WindowCommands.h"

// The subsystems' window headers. A subsystem that provides a window adds its opener
// below, one line per window.

namespace bw {

namespace {

WindowCommands makeWindowCommands()
{
    WindowCommands w;
    return w;
}

} // namespace

WindowCommands& windowCommands()
{
    static WindowCommands commands = makeWindowCommands();
    return commands;
}

} // namespace bw
