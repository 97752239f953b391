#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "display/SceneRendering.h"
#include "display/ViewState.h"
#include "fakes/FakeViewHost.h"
#include "support/TempDir.h"

namespace orb {
namespace {

// Bytes that differ from their neighbours and from every other file's: a
// wrong file, a wrong offset or a copy into the wrong buffer all show.
std::string Bytes(std::size_t size, int seed) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 7 + static_cast<std::size_t>(seed) * 13) % 251);
    }
    return bytes;
}

template <std::size_t N>
std::string Held(const std::array<std::uint8_t, N>& buffer) {
    return std::string(buffer.begin(), buffer.end());
}

class SceneLoad : public ::testing::Test {
  protected:
    // A scene's two files, the palette after `header` bytes of its own.
    void Install(int scene, int seed, std::size_t header = 0) {
        install.Write(Name(scene, ".map"), Bytes(kScenePixelsSize, seed));
        install.Write(Name(scene, ".pal"), std::string(header, '\xEE') + Bytes(1024, seed + 50));
    }
    static std::string Digits(int scene, const char* extension) {
        char name[16];
        std::snprintf(name, sizeof name, "%02d%s", scene, extension);
        return name;
    }
    static std::string Name(int scene, const char* extension) {
        return "DATA/" + Digits(scene, extension);
    }
    // As a warning names it: the file on this machine.
    std::string PathOf(int scene, const char* extension) const {
        return install.Str() + "/" + Name(scene, extension);
    }
    // The buffers as an earlier scene left them.
    void Previous() {
        s->m_scenePixels.fill(0x5A);
        s->m_warpPixels.fill(0x3C);
        s->m_scenePalette.fill(0xA5);
    }

    orbtest::TempDir install;
    std::unique_ptr<ViewState> s = std::make_unique<ViewState>();
    orbtest::FakeViewHost host;

    void SetUp() override { s->m_installDir = install.Str(); }
};

TEST(ScenePaths, TwoDigitsUnderData) {
    const struct {
        int scene;
        const char* extension;
        const char* path;
    } cases[] = {
        {0, ".map", "C:\\ORB\\DATA\\00.map"},
        {8, ".pal", "C:\\ORB\\DATA\\08.pal"},
        {42, ".map", "C:\\ORB\\DATA\\42.map"},
        {99, ".pal", "C:\\ORB\\DATA\\99.pal"},
        // Never a separator or other non-digit in the name.
        {-1, ".map", "C:\\ORB\\DATA\\95.map"},
        {123, ".map", "C:\\ORB\\DATA\\23.map"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SceneFilePath("C:\\ORB", c.scene, c.extension), c.path) << c.scene;
    }
}

TEST_F(SceneLoad, ReadsTheFilesOfTheCurrentScene) {
    for (int scene : {0, 8, 42}) {
        Install(scene, scene);
    }
    Install(kWarpScene, 99, kWarpPaletteHeader);
    for (int scene : {0, 8, 42}) {
        Previous();
        s->time.m_scene = scene;
        ASSERT_TRUE(LoadSceneFiles(*s, host)) << scene;
        EXPECT_EQ(Held(s->m_scenePixels), Bytes(kScenePixelsSize, scene)) << scene;
        EXPECT_EQ(Held(s->m_scenePalette), Bytes(1024, scene + 50)) << scene;
        EXPECT_EQ(s->m_warpPixels[0], 0x3C) << "only the warp tunnel loads the warp picture";
    }
    EXPECT_TRUE(host.warnings.empty());
}

TEST_F(SceneLoad, WarpTunnelSkipsItsHeaderAndKeepsTheShownPicture) {
    Install(kWarpScene, 99, kWarpPaletteHeader);
    Previous();
    s->time.m_scene = kWarpScene;
    ASSERT_TRUE(LoadSceneFiles(*s, host));
    EXPECT_EQ(Held(s->m_warpPixels), Bytes(kScenePixelsSize, 99));
    EXPECT_EQ(Held(s->m_scenePalette), Bytes(1024, 149));
    EXPECT_EQ(s->m_scenePixels[0], 0x5A) << "the zoom fills the shown picture, not the load";
}

TEST_F(SceneLoad, OtherScenesSkipNothingAndReadNoMoreThanTheirSize) {
    // Longer than needed, with a warp-sized header's worth before the rest.
    install.Write(Name(8, ".map"), Bytes(kScenePixelsSize + 100, 8));
    install.Write(Name(8, ".pal"), Bytes(1024 + kWarpPaletteHeader, 9));
    s->time.m_scene = 8;
    ASSERT_TRUE(LoadSceneFiles(*s, host));
    EXPECT_EQ(Held(s->m_scenePixels), Bytes(kScenePixelsSize, 8));
    EXPECT_EQ(Held(s->m_scenePalette), Bytes(1024, 9));
}

// Each way a file can fail keeps the last picture and palette whole, warns
// once over many paints, and a repaired installation loads again.
TEST_F(SceneLoad, UnreadableFileKeepsTheLastPicture) {
    const struct {
        const char* what;
        int scene;
        const char* extension;
        std::string bytes;  // empty: the file is missing
    } cases[] = {
        {"missing picture", 8, ".map", ""},
        {"missing colours", 8, ".pal", ""},
        {"short picture", 8, ".map", Bytes(kScenePixelsSize - 1, 1)},
        {"short colours", 8, ".pal", Bytes(1023, 1)},
        {"short warp colours", kWarpScene, ".pal", Bytes(kWarpPaletteHeader + 1023, 1)},
        {"warp colours within their header", kWarpScene, ".pal", Bytes(kWarpPaletteHeader - 1, 1)},
        {"missing warp picture", kWarpScene, ".map", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(install.Path() / "DATA");
        host.warnings.clear();
        s->m_sceneFilesReported.clear();
        const std::size_t header = c.scene == kWarpScene ? kWarpPaletteHeader : 0;
        Install(c.scene, 4, header);
        std::filesystem::remove(install.Path() / Name(c.scene, c.extension));
        if (!c.bytes.empty()) {
            install.Write(Name(c.scene, c.extension), c.bytes);
        }
        s->time.m_scene = c.scene;
        Previous();
        for (int paint = 0; paint < 3; ++paint) {
            EXPECT_FALSE(LoadSceneFiles(*s, host));
        }
        EXPECT_EQ(Held(s->m_scenePixels), std::string(kScenePixelsSize, '\x5A'));
        EXPECT_EQ(Held(s->m_warpPixels), std::string(kScenePixelsSize, '\x3C'));
        EXPECT_EQ(Held(s->m_scenePalette), std::string(1024, '\xA5'));
        ASSERT_EQ(host.warnings.size(), 1u);
        EXPECT_NE(host.warnings[0].find(PathOf(c.scene, c.extension)), std::string::npos)
            << host.warnings[0];

        Install(c.scene, 5, header);
        EXPECT_TRUE(LoadSceneFiles(*s, host));
        EXPECT_EQ(Held(c.scene == kWarpScene ? s->m_warpPixels : s->m_scenePixels),
                  Bytes(kScenePixelsSize, 5));
        EXPECT_EQ(Held(s->m_scenePalette), Bytes(1024, 55));
        EXPECT_EQ(host.warnings.size(), 1u);
    }
}

TEST_F(SceneLoad, EachUnreadableFileIsReportedOnce) {
    s->time.m_scene = 8;
    EXPECT_FALSE(LoadSceneFiles(*s, host));
    EXPECT_FALSE(LoadSceneFiles(*s, host));
    ASSERT_EQ(host.warnings.size(), 2u);
    EXPECT_NE(host.warnings[0].find(PathOf(8, ".map")), std::string::npos);
    EXPECT_NE(host.warnings[1].find(PathOf(8, ".pal")), std::string::npos);
    // Another scene's missing files are news.
    s->time.m_scene = 9;
    EXPECT_FALSE(LoadSceneFiles(*s, host));
    EXPECT_EQ(host.warnings.size(), 4u);
}

TEST_F(SceneLoad, DirectoryInPlaceOfAFileIsUnreadableNotFatal) {
    Install(8, 1);
    std::filesystem::remove(install.Path() / Name(8, ".map"));
    std::filesystem::create_directories(install.Path() / Name(8, ".map"));
    s->time.m_scene = 8;
    Previous();
    EXPECT_FALSE(LoadSceneFiles(*s, host));
    EXPECT_EQ(s->m_scenePalette[0], 0xA5);
    EXPECT_EQ(host.warnings.size(), 1u);
}

}  // namespace
}  // namespace orb
