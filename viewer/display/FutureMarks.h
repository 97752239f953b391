// The marks of the near future on the browsing screen: the word SPECULATED in
// the left column and the event probability meter at the top right.
#pragma once

#include <cstdint>

#include "display/ViewFwd.h"

namespace orb {

// Whether the marks belong to `year` at `step`: the years 2000 to 9999, at
// steps below ten thousand.
bool FutureMarksShown(std::int64_t year, std::int64_t step);

// Draws the marks, or erases them (the meter only if it was shown), and keeps
// m_meterShown.
void DrawFutureMarks(ViewState& s, platform::Dc& dc);

}  // namespace orb
