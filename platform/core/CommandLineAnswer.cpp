#include "platform/CommandLineAnswer.h"

#include <ostream>

#include "platform/CommandLine.h"

namespace platform {

namespace {

constexpr int kRefusedStatus = 2;

// The last component of argv[0]; the program's own name when there is none.
std::string InvokedAs(const ProgramInfo& program, int argc, const char* const* argv) {
    const std::string path = argc > 0 && argv[0] != nullptr ? argv[0] : "";
    const std::string name = path.substr(path.rfind('/') + 1);
    return name.empty() ? program.name : name;
}

int Written(std::ostream& out, const std::string& text) {
    out << text;
    out.flush();
    return out ? 0 : 1;
}

}  // namespace

CommandLineGrammar GrammarOf(const ProgramInfo& program) {
    return CommandLineGrammar{program.fileName != nullptr, program.fileOption};
}

std::string VersionLine(const ProgramInfo& program, const std::string& invokedAs) {
    return invokedAs + " (Orbilon) " + program.version;
}

std::string UsageText(const ProgramInfo& program, const std::string& invokedAs) {
    std::string text = "Usage: " + invokedAs + " [--help | --version]";
    if (program.fileName != nullptr) {
        text += std::string(" [") + program.fileName + "]";
    }
    text += "\n";
    if (program.fileOption != nullptr) {
        text += "       " + invokedAs + " " + program.fileOption + " FILE\n";
    }
    text += std::string(program.summary) + "\n";
    if (program.note != nullptr) {
        text += std::string(program.note) + "\n";
    }
    text += "\n";
    if (program.fileName != nullptr && program.fileHelp != nullptr) {
        text += std::string("  ") + program.fileName + "\n      " + program.fileHelp + "\n";
    }
    if (program.fileOption != nullptr && program.fileOptionHelp != nullptr) {
        text += std::string("  ") + program.fileOption + " FILE\n      " + program.fileOptionHelp +
                "\n";
    }
    text +=
        "  -h, --help   print this help and exit\n"
        "  --version    print the version and exit\n"
        "\n"
        "Qt's standard options are handed to Qt, such as -platform NAME,\n"
        "-display DISPLAY, -style NAME and -reverse.\n";
    return text;
}

std::optional<int> AnswerCommandLine(const ProgramInfo& program, int argc, const char* const* argv,
                                     std::ostream& out, std::ostream& err,
                                     CommandLineDecision* decided) {
    const CommandLineDecision decision = DecideCommandLine(argc, argv, GrammarOf(program));
    if (decided != nullptr) {
        *decided = decision;
    }
    const std::string invokedAs = InvokedAs(program, argc, argv);
    switch (decision.action) {
        case CommandLineAction::Run:
        case CommandLineAction::FileOption:
            return std::nullopt;
        case CommandLineAction::Help:
            return Written(out, UsageText(program, invokedAs));
        case CommandLineAction::Version:
            return Written(out, VersionLine(program, invokedAs) + "\n");
        case CommandLineAction::Refuse:
            break;
    }
    err << invokedAs << ": " << decision.problem << "\nTry '" << invokedAs
        << " --help' for more information.\n";
    err.flush();
    return kRefusedStatus;
}

}  // namespace platform
