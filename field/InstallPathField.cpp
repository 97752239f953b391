#include "field/InstallPathField.h"

namespace orb {

std::string TakeInstallDirectory(volatile char* field) {
    constexpr std::size_t kLast = kInstallPathFieldSize - 1;
    std::size_t end = 0;
    if (field[0] != kInstallPathFill && field[0] != '\0') {
        end = 1;
        while (end < kLast && field[end] != kInstallPathFill && field[end] != '\0') {
            ++end;
        }
    }
    field[end] = '\0';
    std::string directory;
    directory.reserve(end);
    for (std::size_t i = 0; i < end; ++i) {
        directory.push_back(field[i]);
    }
    return directory;
}

}  // namespace orb
