#include "setup/install/InstallPaths.h"

#include "platform/Path.h"

namespace orbsetup {

namespace {

std::string Within(std::string_view subdirectory, std::string_view name) {
    std::string path;
    if (!subdirectory.empty()) {
        path.append(subdirectory).append("\\");
    }
    return path.append(name);
}

}  // namespace

std::string TargetPath(std::string_view directory, std::string_view subdirectory,
                       std::string_view name) {
    return std::string(directory) + "\\" + Within(subdirectory, name);
}

std::string ExactTargetPath(std::string_view directory, std::string_view name) {
    const std::string host = platform::ResolvePath(TargetPath(directory, "", ""));
    return (host == "/" ? "" : host) + "/" + std::string(name);
}

std::string MediumPath(std::string_view medium, std::string_view subdirectory,
                       std::string_view name) {
    if (medium.empty()) {
        return Within(subdirectory, name);
    }
    return std::string(medium) + "\\" + Within(subdirectory, name);
}

}  // namespace orbsetup
