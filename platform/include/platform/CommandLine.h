// What a program makes of its command line, decided before the toolkit
// starts, so that --help and --version need no display. The programs take no
// arguments of their own beyond these two.
#pragma once

#include <string>

namespace platform {

enum class CommandLineAction { Run, Help, Version, Refuse };

struct CommandLineDecision {
    CommandLineAction action = CommandLineAction::Run;
    std::string problem;  // one line for the user, when refused
};

// Reads the arguments after the program's name in order: the first "--help"
// (or "-h") or "--version" decides at once. Qt's standard options, with the
// value that follows those that take one, are left to Qt, because ./run
// hands its own arguments on and Qt documents them for every program; they
// are Qt's application options ("-platform offscreen", "-style fusion",
// "-style=fusion", "-reverse", ...) and the X11 ones ("-display :1",
// "-geometry 800x600", ...), each also with two dashes as Qt takes them.
// Anything else, or an option missing its value, is refused.
CommandLineDecision DecideCommandLine(int argc, const char* const* argv);

}  // namespace platform
