// The program paths a pass reads and writes, built with the installation's
// own strings ("dir\DATA\EVENTS.dat"); the platform maps them to the host,
// matching DATA and EXAMPLE to the "data" and "example" it created.
#pragma once

#include <string>
#include <string_view>

namespace orbsetup {

// `directory` + "\" + `subdirectory` + "\" + `name`, or without the
// subdirectory when it is empty. An empty directory is the root, as it is
// for the viewer, which forms its paths the same way.
std::string TargetPath(std::string_view directory, std::string_view subdirectory,
                       std::string_view name);

// The host path of `name` in the installation `directory`: the directory
// found as TargetPath's are, the name exactly as given. For the files an
// installation adds beyond the release's, which no other spelling may stand for.
std::string ExactTargetPath(std::string_view directory, std::string_view name);

// A file on the medium: as TargetPath, but an empty medium is the current
// directory, where the installer finds its files by their bare names.
std::string MediumPath(std::string_view medium, std::string_view subdirectory,
                       std::string_view name);

}  // namespace orbsetup
