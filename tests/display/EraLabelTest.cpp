#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "display/EraLabel.h"
#include "support/CommaDecimalLocale.h"

namespace orb {
namespace {

struct LabelCase {
    std::int64_t year;
    std::int64_t step;
    const char* label;  // without the four trailing blanks
};

class EraLabelTable : public ::testing::TestWithParam<LabelCase> {};

TEST_P(EraLabelTable, NamesTheStretchOfTime) {
    EXPECT_EQ(FormatEraLabel(GetParam().year, GetParam().step),
              std::string(GetParam().label) + "    ");
}

INSTANTIATE_TEST_SUITE_P(
    Steps, EraLabelTable,
    ::testing::Values(
        LabelCase{1999, 1, "1999 AD"}, LabelCase{1999, 10, "1990's AD"},
        LabelCase{1999, 100, "20th century AD"}, LabelCase{1999, 1000, "2nd millennium AD"},
        LabelCase{1999, 10000, "1st myriad AD"},
        LabelCase{1999, 100000, "0.0 million years to 0.1 million years AD"},
        LabelCase{5, 10, "00's AD"}, LabelCase{-1, 1, "1 BC"},
        LabelCase{1050, 100, "11th century AD"}, LabelCase{1100, 100, "12th century AD"},
        LabelCase{1250, 100, "13th century AD"}, LabelCase{2011, 100, "21st century AD"},
        LabelCase{11050, 100, "111th century AD"}, LabelCase{12150, 100, "122nd century AD"},
        LabelCase{-1234567, 100000, "1.3 million years to 1.2 million years BC"},
        LabelCase{-65000000, 1000000, "66 million years to 65 million years BC"},
        LabelCase{-65000000, 10000000, "70 million years to 60 million years BC"},
        LabelCase{-15000000000, 1000000000, "16 billion years to 15 billion years BC"},
        LabelCase{-15000000000, 1, "15000000000 BC"},
        // Both bounds of the year range at every step.
        LabelCase{15000000000, 1, "15000000000 AD"}, LabelCase{15000000000, 10, "15000000000's AD"},
        LabelCase{-15000000000, 100, "150000001st century BC"},
        LabelCase{15000000000, 1000, "15000001st millennium AD"},
        LabelCase{-15000000000, 10000, "1500001st myriad BC"},
        LabelCase{15000000000, 100000, "15000.0 million years to 15000.1 million years AD"},
        LabelCase{-15000000000, 100000, "15000.1 million years to 15000.0 million years BC"},
        LabelCase{15000000000, 1000000, "15000 million years to 15001 million years AD"},
        LabelCase{-15000000000, 10000000, "15010 million years to 15000 million years BC"},
        LabelCase{15000000000, 100000000, "15000 million years to 15100 million years AD"},
        LabelCase{15000000000, 1000000000, "15 billion years to 16 billion years AD"},
        LabelCase{1, 1000000000, "0 billion years to 1 billion years AD"},
        LabelCase{-1, 100000000, "100 million years to 0 million years BC"}));

TEST(EraLabel, OrdinalsFollowEnglish) {
    const char* first[] = {"1st",  "2nd",  "3rd",  "4th",  "5th",  "6th",  "7th",  "8th",
                           "9th",  "10th", "11th", "12th", "13th", "14th", "15th", "16th",
                           "17th", "18th", "19th", "20th", "21st", "22nd", "23rd"};
    for (int n = 0; n < 23; ++n) {
        // Any year of the century: its first, its middle and its last.
        for (int within : {0, 50, 99}) {
            const std::int64_t year = n * 100 + within + (n == 0 && within == 0 ? 1 : 0);
            EXPECT_EQ(FormatEraLabel(year, 100), std::string(first[n]) + " century AD    ") << year;
        }
    }
    const char* hundredth[] = {"101st", "102nd", "103rd", "104th", "105th", "106th", "107th",
                               "108th", "109th", "110th", "111th", "112th", "113th"};
    for (int n = 100; n < 113; ++n) {
        EXPECT_EQ(FormatEraLabel(-(n * 1000 + 500), 1000),
                  std::string(hundredth[n - 100]) + " millennium BC    ");
    }
}

TEST(EraLabel, StepsBetweenThePowersReadAsTheLowerPower) {
    EXPECT_EQ(FormatEraLabel(1999, 0), "1999 AD    ");
    EXPECT_EQ(FormatEraLabel(1999, 50), "1990's AD    ");
    EXPECT_EQ(FormatEraLabel(1999, 5000000000), "0 billion years to 1 billion years AD    ");
}

TEST(EraLabel, TenthsOfMillionsUseAPointInAnyLocale) {
    orbtest::CommaDecimalLocale comma;
    ASSERT_TRUE(comma.Active());
    EXPECT_EQ(FormatEraLabel(-1234567, 100000), "1.3 million years to 1.2 million years BC    ");
}

}  // namespace
}  // namespace orb
