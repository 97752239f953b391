// What an installation adds beyond the release's files, so that the desktop
// can show and start it: the viewer's icon, its desktop entry beside it and
// the same entry in the user's applications folder. The viewer runs without
// any of it, so a failure here ends only this part, never the pass.
#pragma once

#include <optional>
#include <string>

#include "setup/install/PassOutcome.h"

namespace orbsetup {

class DesktopIntegration {
  public:
    // `medium` and `applications` as Installation takes them.
    DesktopIntegration(std::string medium, std::optional<std::string> applications);

    // Makes the icon, the entry beside the viewer and, with an applications
    // folder, the menu entry, in this order, into an installation
    // `directory` whose viewer is in place; then removes the menu entries of
    // installations removed by hand. Their names are matched exactly. Returns
    // where it stopped and why, or nothing when all was made.
    std::optional<PassProblem> Install(const std::string& directory) const;

  private:
    void InstallIcon(const std::string& directory) const;
    void InstallEntries(const std::string& directory) const;

    std::string m_medium;
    std::optional<std::string> m_applications;
};

}  // namespace orbsetup
