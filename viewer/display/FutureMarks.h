// The marks of the near future on the browsing screen: the word SPECULATED in
// the left column and the event probability meter at the top right.
#pragma once

#include <cstdint>

#include "display/ViewFwd.h"

namespace orb {

// Whether the marks belong to `year` at `step` when the clock's year is
// `presentYear`: the near future, a stretch named by the label (see
// LabelledYears) that reaches beyond the present year and starts below
// 10,000, at steps below 10,000.
bool FutureMarksShown(std::int64_t year, std::int64_t step, std::int64_t presentYear);

// Draws the marks, or erases them (the meter only if it was shown), and keeps
// m_meterShown.
void DrawFutureMarks(ViewState& s, platform::Dc& dc);

}  // namespace orb
