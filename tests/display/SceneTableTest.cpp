#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <set>
#include <vector>

#include "display/SceneTable.h"

namespace orb {
namespace {

std::vector<SceneRange> Ranges() {
    const SceneRanges table;
    return {table.begin(), table.end()};
}

TEST(SceneRanges, CoverEveryYearFromTheFirstToTheLastOnce) {
    const std::vector<SceneRange> ranges = Ranges();
    ASSERT_FALSE(ranges.empty());
    EXPECT_EQ(ranges.front().from, -15000000000);
    EXPECT_EQ(ranges.back().to, 15000000000);
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_LE(ranges[i].from, ranges[i].to);
        if (i > 0) {
            EXPECT_EQ(ranges[i].from, ranges[i - 1].to + 1);
        }
    }
}

TEST(SceneRanges, UseEveryEraPictureAndNoOther) {
    // Pictures 0..42 exist except 31 and 32; 99 is the warp, never an era.
    std::set<int> expected;
    for (int scene = 0; scene <= 42; ++scene) {
        if (scene != 31 && scene != 32) {
            expected.insert(scene);
        }
    }
    std::set<int> used;
    for (const SceneRange& range : SceneRanges()) {
        used.insert(range.scene);
    }
    EXPECT_EQ(used, expected);
}

TEST(SceneRanges, FromTheStartOfTimeScenes33To42ComeInTurnThen0) {
    const std::vector<SceneRange> ranges = Ranges();
    ASSERT_GE(ranges.size(), 11u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(ranges[static_cast<std::size_t>(i)].scene, 33 + i) << i;
    }
    EXPECT_EQ(ranges[10].scene, 0);
}

TEST(SceneRanges, Scenes14And15AlternateThroughTheIceAges) {
    int expected = 15;  // from -730,000 to -70,001
    int count = 0;
    for (const SceneRange& range : SceneRanges()) {
        if (range.from >= -730000 && range.to <= -70001) {
            EXPECT_EQ(range.scene, expected) << range.from;
            expected = expected == 15 ? 14 : 15;
            ++count;
        }
    }
    EXPECT_EQ(count, 10);
}

// Both ends and the middle of every range give that range's scene, so the
// search neither skips nor overlaps a range.
TEST(SceneForYear, FindsEveryRangeAtBothEnds) {
    for (const SceneRange& range : SceneRanges()) {
        for (std::int64_t year : {range.from, range.to, range.from + (range.to - range.from) / 2}) {
            SCOPED_TRACE(year);
            const SceneChoice choice = SceneForYear(year);
            EXPECT_EQ(choice.scene, range.scene);
            EXPECT_EQ(choice.steadyLight, range.steadyLight);
        }
    }
}

// Day and night exist from the cooled Earth to five billion years ahead,
// except in the two years of the impact that ended the dinosaurs.
bool HasDayAndNight(std::int64_t year) {
    const bool impact = year == -65000000 || year == -64999999;
    return year >= -4300000000 && year <= 5000000000 && !impact;
}

TEST(SceneForYear, SteadyLightOnlyWhereThereIsNoDayAndNight) {
    for (const SceneRange& range : SceneRanges()) {
        for (std::int64_t year : {range.from, range.to}) {
            EXPECT_EQ(SceneForYear(year).steadyLight, !HasDayAndNight(year)) << year;
        }
    }
}

struct KnownYear {
    std::int64_t year;
    int scene;
};

class KnownYearTest : public ::testing::TestWithParam<KnownYear> {};

TEST_P(KnownYearTest, ShowsItsEra) {
    EXPECT_EQ(SceneForYear(GetParam().year).scene, GetParam().scene);
}

INSTANTIATE_TEST_SUITE_P(
    Events, KnownYearTest,
    ::testing::Values(KnownYear{-13800000000, 0},  // the first stars
                      KnownYear{-14999970001, 33}, KnownYear{-14999970000, 34},
                      KnownYear{-4600000000, 1},  // the Earth forms
                      KnownYear{-4300000001, 2}, KnownYear{-4300000000, 3},
                      KnownYear{-2200000000, 15}, KnownYear{-800000000, 15},
                      KnownYear{-250000000, 9},  // the great dying
                      KnownYear{-65000001, 10}, KnownYear{-65000000, 11}, KnownYear{-64999999, 11},
                      KnownYear{-64999998, 12}, KnownYear{-5000000, 14}, KnownYear{-3000, 16},
                      KnownYear{-44, 18}, KnownYear{-1, 18}, KnownYear{1, 18}, KnownYear{476, 18},
                      KnownYear{477, 19}, KnownYear{1492, 20}, KnownYear{1776, 21},
                      KnownYear{1900, 22}, KnownYear{1914, 23}, KnownYear{1969, 24},
                      KnownYear{2000, 25}, KnownYear{2020, 26}, KnownYear{3000, 27},
                      KnownYear{5000000000, 28}, KnownYear{5000000001, 29},
                      KnownYear{5000050001, 30}, KnownYear{15000000000, 30}));

TEST(SceneForYear, OutsideTheYearRangeIsTheMissingScene) {
    for (std::int64_t year : {std::int64_t{-15000000001}, std::int64_t{15000000001}}) {
        SCOPED_TRACE(year);
        EXPECT_EQ(SceneForYear(year).scene, 32);
        EXPECT_FALSE(SceneForYear(year).steadyLight);
    }
}

}  // namespace
}  // namespace orb
