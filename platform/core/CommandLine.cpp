#include "platform/CommandLine.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace platform {

namespace {

// Qt's own options, named without their leading dash.
constexpr std::array<std::string_view, 16> kQtOptionsWithValue = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "title",         "icon",   "name",
    "visual"};
constexpr std::array<std::string_view, 5> kQtFlags = {"reverse", "nograb", "dograb", "sync",
                                                      "widgetcount"};
// Given as "-style=NAME" they carry their value with them.
constexpr std::array<std::string_view, 2> kQtJoinedOptions = {"style=", "stylesheet="};

template <std::size_t N>
bool Names(const std::array<std::string_view, N>& table, std::string_view name) {
    for (std::string_view entry : table) {
        if (entry == name) {
            return true;
        }
    }
    return false;
}

bool JoinedOption(std::string_view name) {
    for (std::string_view prefix : kQtJoinedOptions) {
        if (name.size() > prefix.size() && name.substr(0, prefix.size()) == prefix) {
            return true;
        }
    }
    return false;
}

// "-platform" and "--platform" alike; empty for what is no option.
std::string_view QtOptionName(std::string_view argument) {
    if (argument.size() < 2 || argument[0] != '-') {
        return {};
    }
    argument.remove_prefix(argument[1] == '-' ? 2 : 1);
    return argument;
}

CommandLineDecision Refused(std::string problem) {
    return CommandLineDecision{CommandLineAction::Refuse, std::move(problem), {}};
}

}  // namespace

CommandLineDecision DecideCommandLine(int argc, const char* const* argv,
                                      const CommandLineGrammar& grammar) {
    CommandLineDecision decision;
    bool haveFile = false;
    bool haveOption = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i] != nullptr ? argv[i] : "";
        if (argument == "--help" || argument == "-h") {
            return CommandLineDecision{CommandLineAction::Help, {}, {}};
        }
        if (argument == "--version") {
            return CommandLineDecision{CommandLineAction::Version, {}, {}};
        }
        const std::string_view name = QtOptionName(argument);
        if (Names(kQtFlags, name) || JoinedOption(name)) {
            continue;
        }
        const bool fileOption = grammar.fileOption != nullptr && argument == grammar.fileOption;
        if (fileOption || Names(kQtOptionsWithValue, name)) {
            if (i + 1 >= argc) {
                return Refused("option '" + std::string(argument) + "' needs a value");
            }
            ++i;
            if (fileOption) {
                if (haveOption || haveFile) {
                    return Refused("option '" + std::string(argument) + "' comes alone");
                }
                haveOption = true;
                decision.file = argv[i] != nullptr ? argv[i] : "";
                decision.fileArgument = i;
            }
            continue;
        }
        const bool positional = argument.empty() || argument == "-" || argument[0] != '-';
        if (positional && grammar.takesFile && !haveFile && !haveOption && !argument.empty()) {
            haveFile = true;
            decision.file = std::string(argument);
            decision.fileArgument = i;
            continue;
        }
        return Refused(argument.size() > 1 && argument[0] == '-'
                           ? "unknown option '" + std::string(argument) + "'"
                           : "unexpected argument '" + std::string(argument) + "'");
    }
    if (haveOption) {
        decision.action = CommandLineAction::FileOption;
    }
    return decision;
}

}  // namespace platform
