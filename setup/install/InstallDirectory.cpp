#include "setup/install/InstallDirectory.h"

#include <filesystem>
#include <system_error>

#include "field/InstallPathField.h"
#include "platform/Path.h"
#include "setup/install/DesktopEntry.h"
#include "setup/patch/InstallPathWriter.h"

namespace orbsetup {

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

bool IsAbsolute(std::string_view path) {
    return !path.empty() && IsSeparator(path.front());
}

DirectoryCheck Refuse(std::string problem) {
    DirectoryCheck check;
    check.problem = std::move(problem);
    return check;
}

// Whether `directory`, as the installation resolves it, is the directory
// `packaged`: the same directory on disk, whatever the spelling.
bool IsPackaged(const std::string& directory, const std::string& packaged) {
    if (packaged.empty()) {
        return false;
    }
    std::error_code error;
    const std::string place = platform::ResolvePath(directory.empty() ? "/" : directory);
    return std::filesystem::equivalent(place, packaged, error);
}

}  // namespace

DirectoryCheck CheckInstallDirectory(std::string_view typed, const DirectoryRules& rules) {
    const std::string_view home = rules.home;
    if (typed.empty()) {
        return Refuse("Enter the directory in which you installed the previous version.");
    }
    std::string expanded;
    if (typed.front() == '~' && (typed.size() == 1 || IsSeparator(typed[1]))) {
        if (!IsAbsolute(home)) {
            return Refuse("Your home directory is not known. Enter the full path.");
        }
        // "/home/al/" and "~/" must not make a doubled separator.
        expanded.assign(WithoutTrailingSeparator(home));
        expanded.append(typed.substr(1));
    } else if (IsAbsolute(typed)) {
        expanded.assign(typed);
    } else {
        return Refuse("Enter the full path of the directory, starting with / or ~.");
    }
    DirectoryCheck check;
    check.directory.assign(WithoutTrailingSeparator(expanded));
    if (check.directory.size() > orb::kInstallPathCapacity) {
        return Refuse("The directory's name is " + std::to_string(check.directory.size()) +
                      " bytes long. Orbilon can be installed only in a directory of at most " +
                      std::to_string(orb::kInstallPathCapacity) +
                      " bytes; a letter outside ASCII takes more than one.");
    }
    if (check.directory.find(orb::kInstallPathFill) != std::string::npos ||
        check.directory.find('\0') != std::string::npos) {
        return Refuse("The directory's name must not contain '?'.");
    }
    // Such a name can be neither shown nor carried into a menu entry.
    if (HoldsControlCharacters(check.directory)) {
        return Refuse(
            "The directory's name must not contain control characters, such as tabs or line "
            "breaks.");
    }
    if (IsPackaged(check.directory, rules.packaged)) {
        return Refuse(
            "The Orbilon package keeps its own installation in this directory, and only the "
            "package may change it. Enter a directory of your own.");
    }
    check.ok = true;
    return check;
}

}  // namespace orbsetup
