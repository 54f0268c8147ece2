#pragma once

namespace bw {
// The program's version in the form 1.2.0.3, compiled in from the build.
const char* programVersion();
}
