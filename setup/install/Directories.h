// The directories a pass makes. A directory it makes is flushed into its
// parent on disk, as its files are into it, so that none is lost in a crash.
// Failures throw platform::FileException, naming the directory.
#pragma once

#include <string>

#include "platform/Path.h"

namespace orbsetup {

// One level; a directory that is there already is fine.
void MakeDirectory(const std::string& path, platform::Spelling spelling);

// Every level of the host path `hostPath` that is missing, from the top down,
// each named exactly as written.
void MakeDirectoryWithParents(const std::string& hostPath);

}  // namespace orbsetup
