// `orb --check-databank FILE`: what is wrong with a databank of one's own,
// one problem a line, with no display.
#pragma once

#include <iosfwd>
#include <string>

namespace orb {

// Prints the problems of the file at `path` on `out` and returns 0 when it
// has none, 1 when it has some; says why on `err` and returns 2 when it
// cannot be read.
int CheckDatabankCommand(const std::string& path, std::ostream& out, std::ostream& err);

}  // namespace orb
