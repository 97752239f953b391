// What the viewer says of itself on its command line, and what it takes
// there; its launcher reads the same line by the same rules.
#pragma once

#include "platform/CommandLineAnswer.h"

namespace orb {

platform::ProgramInfo ViewerProgram();

}  // namespace orb
