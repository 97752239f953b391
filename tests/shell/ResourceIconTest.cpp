// The programs' icons come from the images the build compiled in.
#include <gtest/gtest.h>

#include <QList>
#include <QSize>
#include <algorithm>

#include "platform/qt/ResourceIcon.h"

namespace {

TEST(ResourceIcon, HoldsEveryCompiledSizeOfItsNameOnly) {
    const QList<QSize> sizes = platform::ResourceIcon(QStringLiteral("orb")).availableSizes();
    for (int size : {16, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(std::find(sizes.begin(), sizes.end(), QSize(size, size)) != sizes.end())
            << size;
    }
    EXPECT_EQ(sizes.size(), 6);
    EXPECT_TRUE(platform::ResourceIcon(QStringLiteral("or")).isNull());
    EXPECT_TRUE(platform::ResourceIcon(QStringLiteral("absent")).isNull());
}

}  // namespace
