#include "launcher/LaunchArguments.h"

namespace orb {

std::vector<std::string> LaunchArguments(int argc, const char* const* argv,
                                         const platform::CommandLineDecision& decided,
                                         const std::string& callerDirectory) {
    std::vector<std::string> words;
    words.reserve(static_cast<std::size_t>(argc > 0 ? argc : 0));
    for (int i = 0; i < argc; ++i) {
        words.emplace_back(argv[i] != nullptr ? argv[i] : "");
    }
    const int at = decided.fileArgument;
    if (at <= 0 || at >= argc) {
        return words;
    }
    std::string& file = words[static_cast<std::size_t>(at)];
    if (!file.empty() && file.front() != '/') {
        const bool separated = !callerDirectory.empty() && callerDirectory.back() == '/';
        file = callerDirectory + (separated ? "" : "/") + file;
    }
    return words;
}

}  // namespace orb
