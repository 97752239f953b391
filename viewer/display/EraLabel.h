// The name of the stretch of time one browsing step covers: a year, a
// decade, a century ... or a range of millions or billions of years, with
// its era.
#pragma once

#include <cstdint>
#include <string>

namespace orb {

// The label for `year` (never 0; negative is BC) at `step` (a power of ten
// from 1 to 1,000,000,000): the body for the step, " AD" or " BC", and four
// blanks that overprint the tail of a longer label drawn before. Ranges read
// in the direction of time. A step that is not one of those powers is read
// as the largest of them not above it (at least 1).
std::string FormatEraLabel(std::int64_t year, std::int64_t step);

// The magnitudes of the first and last year the label for `year` at `step`
// names: 1990 and 1999 for the 1990's, 2000 and 2999 for the 3rd millennium.
// Before Christ they count back from 1 BC.
struct YearStretch {
    std::int64_t first;
    std::int64_t last;
};
YearStretch LabelledYears(std::int64_t year, std::int64_t step);

}  // namespace orb
