#include <gtest/gtest.h>

#include <QTest>
#include <vector>

#include "setup/gui/QtWindowTimers.h"

namespace orbsetup {
namespace {

TEST(QtWindowTimers, TicksCarryTheirIdAndSettingAgainReplacesTheHandler) {
    QtWindowTimers timers;
    EXPECT_FALSE(timers.IsActive(1));
    std::vector<int> first;
    std::vector<int> second;
    timers.SetTimer(1, 10, [&](int id) { first.push_back(id); });
    timers.SetTimer(3, 10, [&](int id) { second.push_back(id); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return first.size() >= 2 && !second.empty(); }, 2000));
    EXPECT_EQ(first[0], 1);
    EXPECT_EQ(second[0], 3);

    std::vector<int> replaced;
    timers.SetTimer(1, 30, [&](int id) { replaced.push_back(id); });
    const std::size_t before = first.size();
    ASSERT_TRUE(QTest::qWaitFor([&] { return replaced.size() >= 2; }, 2000));
    EXPECT_EQ(first.size(), before);
    EXPECT_EQ(timers.Interval(1), 30);
    EXPECT_TRUE(timers.IsActive(1));
}

}  // namespace
}  // namespace orbsetup
