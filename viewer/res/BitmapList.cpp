#include "res/BitmapList.h"

#include <cstddef>

namespace orb::res {

namespace {

// Runs of consecutive ids made in one size and depth.
struct Run {
    int first;
    int last;
    int width;
    int height;
    int bitsPerPixel;
};

constexpr Run kRuns[] = {
    {104, 106, 160, 60, 8},    // step back, step forward, zoom both ways
    {108, 109, 160, 60, 8},    // zoom faces without out, without in
    {110, 119, 20, 32, 8},     // small clock digits 9, 1..8, 0
    {132, 132, 253, 127, 24},  // probability meter
    {165, 174, 40, 64, 8},     // large digits 0..9
    {175, 186, 120, 64, 8},    // months JAN..DEC
    {187, 187, 40, 64, 8},     // blank cell
    {189, 189, 84, 400, 24},   // speed scale
    {190, 191, 48, 48, 4},     // BC and AD badges
    {301, 302, 160, 60, 8},    // TIMELINE, SET DESTINATION
    {303, 303, 10, 32, 8},     // clock colon
    {306, 306, 160, 60, 8},    // fuel gauge
};

constexpr std::size_t CountOf() {
    std::size_t count = 0;
    for (const Run& run : kRuns) {
        count += static_cast<std::size_t>(run.last - run.first + 1);
    }
    return count;
}
static_assert(CountOf() == 46, "the viewer loads 46 bitmaps");

}  // namespace

const std::array<BitmapSpec, 46>& ViewerBitmaps() {
    static const std::array<BitmapSpec, 46> kBitmaps = [] {
        std::array<BitmapSpec, 46> specs{};
        std::size_t next = 0;
        for (const Run& run : kRuns) {
            for (int id = run.first; id <= run.last; ++id) {
                specs[next++] = BitmapSpec{id, run.width, run.height, run.bitsPerPixel};
            }
        }
        return specs;
    }();
    return kBitmaps;
}

}  // namespace orb::res
