#include "display/ViewerProgram.h"

#include "display/CheckDatabankCommand.h"

namespace orb {

platform::ProgramInfo ViewerProgram() {
    platform::ProgramInfo program{
        "orb", ORB_VERSION,
        "Orbilon: travels through time from the year -15,000,000,000 to 15,000,000,000.",
        "Start it from its installation directory, where it finds its sounds."};
    program.fileName = "DATABANK";
    program.fileHelp = "a databank of your own to browse instead of the installed one";
    program.fileOption = "--check-databank";
    program.fileOptionHelp =
        "print what is wrong with the databank FILE and exit: 0 when nothing\n"
        "      is, 1 when something is, 2 when it cannot be read";
    return program;
}

std::optional<int> AnswerViewerCommandLine(int argc, const char* const* argv, std::ostream& out,
                                           std::ostream& err,
                                           platform::CommandLineDecision& decided) {
    if (const std::optional<int> status =
            platform::AnswerCommandLine(ViewerProgram(), argc, argv, out, err, &decided)) {
        return status;
    }
    if (decided.action == platform::CommandLineAction::FileOption) {
        return CheckDatabankCommand(decided.file, out, err);
    }
    return std::nullopt;
}

}  // namespace orb
