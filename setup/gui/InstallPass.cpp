#include "setup/gui/InstallPass.h"

namespace orbsetup {

InstallPass PassFromCurrentDirectory() {
    return [](const std::string& directory) { return Installation("").Run(directory); };
}

}  // namespace orbsetup
