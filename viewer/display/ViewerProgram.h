// What the viewer says of itself on its command line, and what it takes
// there; its launcher reads the same line by the same rules.
#pragma once

#include <iosfwd>
#include <optional>

#include "platform/CommandLine.h"
#include "platform/CommandLineAnswer.h"

namespace orb {

platform::ProgramInfo ViewerProgram();

// What the viewer's command line asks that needs no display: the help, the
// version, a refusal, or the check of a databank. Returns the exit status
// then; nothing when the viewer is to run, `decided` saying with what.
std::optional<int> AnswerViewerCommandLine(int argc, const char* const* argv, std::ostream& out,
                                           std::ostream& err,
                                           platform::CommandLineDecision& decided);

}  // namespace orb
