// One installation pass into a directory, as the view runs it at every paint
// while a directory is pending. Injected, so the window can be driven without
// files.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "setup/install/Installation.h"

namespace orbsetup {

using InstallPass = std::function<PassOutcome(const std::string& directory)>;

// The program's pass: the medium is the installer's current directory, where
// the stored files are looked up by their bare names. The viewer's desktop
// entry also goes into `applications`, the user's applications folder, when
// there is one.
InstallPass PassFromCurrentDirectory(std::optional<std::string> applications);

}  // namespace orbsetup
