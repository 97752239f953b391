// Menu entries of installations removed by hand start nothing. This program
// marks the entries it writes with their installation directory, so that
// such entries can be found and removed, and nothing else ever is.
#pragma once

#include <string>

namespace orbsetup {

// Whether the installation in `directory` (a host path) has been removed:
// the directory is gone while its parent is there. A directory on a disk
// that is not mounted now is not taken for removed.
bool InstallationRemoved(const std::string& directory);

// Removes from the applications folder `folder` each entry that names an
// installation directory under this program's key (DesktopEntryDirectory)
// whose installation has been removed. Entries without that key, and
// anything that is not a regular file ending in ".desktop", are left alone.
// An entry that cannot be read or removed stays; the next installation
// tries again.
void RemoveEntriesOfRemovedInstallations(const std::string& folder);

}  // namespace orbsetup
