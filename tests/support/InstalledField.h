// An install-path field as the installer leaves it: the directory, then '?'
// up to position 109, then the NUL.
#pragma once

#include <cstring>
#include <stdexcept>
#include <string>

#include "field/InstallPathField.h"

namespace orbtest {

struct InstalledField {
    explicit InstalledField(const std::string& directory = "") { Set(directory); }

    void Set(const std::string& directory) {
        if (directory.size() > orb::kInstallPathFieldSize - 1) {
            throw std::length_error("directory too long for the field");
        }
        std::memset(bytes, orb::kInstallPathFill, sizeof bytes - 1);
        bytes[sizeof bytes - 1] = '\0';
        std::memcpy(bytes, directory.data(), directory.size());
    }

    char bytes[orb::kInstallPathFieldSize]{};
};

}  // namespace orbtest
