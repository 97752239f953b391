// A program's answer to its command line before the toolkit starts: the
// usage or the version on standard output, or the reason for refusing it
// with a hint on standard error.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "platform/CommandLine.h"

namespace platform {

struct ProgramInfo {
    const char* name = nullptr;     // "orb": its name when argv[0] gives none
    const char* version = nullptr;  // "1.2.0"
    const char* summary = nullptr;  // what the program does, in one line
    const char* note = nullptr;     // one more line of help, or null
    // What it takes beyond --help and --version, each with its help.
    const char* fileName = nullptr;  // "DATABANK": its one file argument, or none
    const char* fileHelp = nullptr;
    const char* fileOption = nullptr;  // "--check-databank": an option naming a file
    const char* fileOptionHelp = nullptr;
};

// What the program takes, as its information names it.
CommandLineGrammar GrammarOf(const ProgramInfo& program);

// "orbilon (Orbilon) 1.2.0": the version under the name the program was
// started by, `invokedAs`.
std::string VersionLine(const ProgramInfo& program, const std::string& invokedAs);

// The help text; `invokedAs` is the name the program was started by.
std::string UsageText(const ProgramInfo& program, const std::string& invokedAs);

// The exit status when the command line is answered here (0 after the
// help or version, 1 when they could not be written, 2 for a refused
// line); nothing when the program is to run or to answer its file option,
// as `decided` then says.
std::optional<int> AnswerCommandLine(const ProgramInfo& program, int argc, const char* const* argv,
                                     std::ostream& out, std::ostream& err,
                                     CommandLineDecision* decided = nullptr);

}  // namespace platform
