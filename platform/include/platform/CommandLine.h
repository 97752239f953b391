// What a program makes of its command line, decided before the toolkit
// starts, so that --help and --version need no display. Beyond these two a
// program may take one file, and one option that names a file and is
// answered without a display.
#pragma once

#include <string>

namespace platform {

enum class CommandLineAction { Run, Help, Version, Refuse, FileOption };

// What a program takes beyond --help and --version: nothing by default.
struct CommandLineGrammar {
    bool takesFile = false;            // one argument naming a file
    const char* fileOption = nullptr;  // "--check-databank": an option with a file
};

struct CommandLineDecision {
    CommandLineAction action = CommandLineAction::Run;
    std::string problem;   // one line for the user, when refused
    std::string file;      // the file argument, or the file option's value
    int fileArgument = 0;  // where `file` stands in argv; 0 for nowhere
};

// Reads the arguments after the program's name in order: the first "--help"
// (or "-h") or "--version" decides at once. Qt's standard options, with the
// value that follows those that take one, are left to Qt, because ./run
// hands its own arguments on and Qt documents them for every program; they
// are Qt's application options ("-platform offscreen", "-style fusion",
// "-style=fusion", "-reverse", ...) and the X11 ones ("-display :1",
// "-geometry 800x600", ...), each also with two dashes as Qt takes them.
// The grammar's file and file option are taken once each, and not together.
// Anything else, or an option missing its value, is refused.
CommandLineDecision DecideCommandLine(int argc, const char* const* argv,
                                      const CommandLineGrammar& grammar = {});

}  // namespace platform
