// The command line the launcher hands on to the viewer it starts.
#pragma once

#include <string>
#include <vector>

#include "platform/CommandLine.h"

namespace orb {

// argv's words as they came, except that a relative file the decision found
// is made absolute against `callerDirectory`: the viewer runs in its own
// directory, where the caller's relative path would lead elsewhere.
std::vector<std::string> LaunchArguments(int argc, const char* const* argv,
                                         const platform::CommandLineDecision& decided,
                                         const std::string& callerDirectory);

}  // namespace orb
