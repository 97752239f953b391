#include "display/ViewerProgram.h"

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

}  // namespace orb
