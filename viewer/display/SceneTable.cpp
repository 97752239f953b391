#include "display/SceneTable.h"

#include <algorithm>
#include <iterator>

namespace orb {

namespace {

// Ascending and contiguous from -15,000,000,000 to 15,000,000,000.
constexpr SceneRange kScenes[] = {
    {-15000000000, -14999970001, 33, true},
    {-14999970000, -14999900001, 34, true},
    {-14999900000, -14999800001, 35, true},
    {-14999800000, -14999700001, 36, true},
    {-14999700000, -14999500001, 37, true},
    {-14999500000, -14999200001, 38, true},
    {-14999200000, -14998700001, 39, true},
    {-14998700000, -14998000001, 40, true},
    {-14998000000, -14997000001, 41, true},
    {-14997000000, -14000000001, 42, true},
    {-14000000000, -4650000001, 0, true},
    {-4650000000, -4550000001, 1, true},
    {-4550000000, -4300000001, 2, true},
    {-4300000000, -3800000001, 3, false},
    {-3800000000, -2400000001, 4, false},
    {-2400000000, -2000000001, 15, false},
    {-2000000000, -1000000001, 5, false},
    {-1000000000, -600000001, 15, false},
    {-600000000, -420000001, 6, false},
    {-420000000, -370000001, 7, false},
    {-370000000, -250000001, 8, false},
    {-250000000, -130000001, 9, false},
    {-130000000, -65000001, 10, false},
    {-65000000, -64999999, 11, true},
    {-64999998, -64900001, 12, false},
    {-64900000, -20000001, 13, false},
    {-20000000, -730001, 14, false},
    {-730000, -503001, 15, false},
    {-503000, -473001, 14, false},
    {-473000, -419001, 15, false},
    {-419000, -345001, 14, false},
    {-345000, -332001, 15, false},
    {-332000, -277001, 14, false},
    {-277000, -242001, 15, false},
    {-242000, -186001, 14, false},
    {-186000, -126001, 15, false},
    {-126000, -70001, 14, false},
    {-70000, -8301, 15, false},
    {-8300, -2686, 16, false},
    {-2685, -445, 17, false},
    {-444, 476, 18, false},
    {477, 1200, 19, false},
    {1201, 1600, 20, false},
    {1601, 1850, 21, false},
    {1851, 1910, 22, false},
    {1911, 1940, 23, false},
    {1941, 1970, 24, false},
    {1971, 2005, 25, false},
    {2006, 2030, 26, false},
    {2031, 100000, 27, false},
    {100001, 5000000000, 28, false},
    {5000000001, 5000050000, 29, true},
    {5000050001, 15000000000, 30, true},
};

constexpr int kOutsideScene = 32;

}  // namespace

SceneChoice SceneForYear(std::int64_t year) {
    const auto* it =
        std::lower_bound(std::begin(kScenes), std::end(kScenes), year,
                         [](const SceneRange& range, std::int64_t y) { return range.to < y; });
    if (it == std::end(kScenes) || year < it->from) {
        return {kOutsideScene, false};
    }
    return {it->scene, it->steadyLight};
}

const SceneRange* SceneRanges::begin() const {
    return std::begin(kScenes);
}

const SceneRange* SceneRanges::end() const {
    return std::end(kScenes);
}

}  // namespace orb
