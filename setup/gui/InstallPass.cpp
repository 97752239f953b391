#include "setup/gui/InstallPass.h"

#include <utility>

namespace orbsetup {

InstallPass PassFromCurrentDirectory(std::optional<std::string> applications) {
    return [applications = std::move(applications)](const std::string& directory) {
        return Installation("", applications).Run(directory);
    };
}

}  // namespace orbsetup
