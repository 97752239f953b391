#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "display/SceneRendering.h"
#include "display/ViewState.h"
#include "fakes/FakeViewHost.h"
#include "platform/Dc.h"
#include "platform/Framebuffer.h"
#include "support/TempDir.h"

namespace orb {
namespace {

using platform::Rgb;

std::unique_ptr<ViewState> NewState() {
    auto s = std::make_unique<ViewState>();
    s->m_sceneInfo = std::make_unique<std::array<std::uint8_t, kSceneInfoSize>>();
    return s;
}

// ---- The warp zoom: its geometry is checked on the screen (TravelScreenTest) ----

TEST(WarpZoom, OtherScenesAreLeftAlone) {
    auto s = NewState();
    s->time.m_scene = 8;
    s->time.m_warpZoom = 0.5;
    s->m_scenePixels.fill(7);
    s->m_warpPixels.fill(9);
    ZoomWarpScene(*s);
    EXPECT_EQ(s->m_scenePixels[0], 7);
    EXPECT_EQ(s->m_scenePixels[kScenePixelsSize - 1], 7);
}

// ---- The colour table ----

constexpr std::size_t kTable = 40;  // the colour table's offset in m_sceneInfo

// The colour table entry `n` as stored: blue, green, red, 0.
std::array<int, 4> Entry(const ViewState& s, std::size_t n) {
    const std::uint8_t* e = s.m_sceneInfo->data() + kTable + 4 * n;
    return {e[0], e[1], e[2], e[3]};
}

struct LitCase {
    int level;
    std::array<std::uint8_t, 3> rgb;
    std::array<int, 4> bgr0;
};

class SceneLight : public ::testing::TestWithParam<LitCase> {};

TEST_P(SceneLight, LightsEachEntry) {
    auto s = NewState();
    s->m_sceneInfo->fill(0xFF);
    s->time.m_brightness = GetParam().level;
    const std::size_t n = 77;
    s->m_scenePalette[4 * n] = GetParam().rgb[0];
    s->m_scenePalette[4 * n + 1] = GetParam().rgb[1];
    s->m_scenePalette[4 * n + 2] = GetParam().rgb[2];
    s->m_scenePalette[4 * n + 3] = 0x99;  // ignored
    platform::Framebuffer frame(0);
    platform::Dc dc(frame);
    BlitScene(*s, dc);
    EXPECT_EQ(Entry(*s, n), GetParam().bgr0);
}

// out = (c*B*B + g*(256-B)*B) >> 16, g = (r+g+b)/3, worked by hand.
INSTANTIATE_TEST_SUITE_P(Levels, SceneLight,
                         ::testing::Values(LitCase{64, {255, 0, 0}, {15, 15, 31, 0}},
                                           LitCase{64, {255, 255, 255}, {63, 63, 63, 0}},
                                           LitCase{128, {200, 100, 30}, {35, 52, 77, 0}},
                                           LitCase{192, {10, 20, 250}, {158, 28, 23, 0}},
                                           LitCase{256, {1, 2, 3}, {3, 2, 1, 0}},
                                           LitCase{0, {255, 255, 255}, {0, 0, 0, 0}},
                                           // Out of range, held to 0..256: no overflowing products.
                                           LitCase{300, {1, 2, 3}, {3, 2, 1, 0}},
                                           LitCase{1 << 20, {200, 100, 30}, {30, 100, 200, 0}},
                                           LitCase{-20, {255, 255, 255}, {0, 0, 0, 0}}));

TEST(SceneBlit, FullDaylightKeepsTheFileColoursAndNoneIsBlack) {
    auto s = NewState();
    for (std::size_t i = 0; i < kScenePaletteSize; ++i) {
        s->m_scenePalette[i] = static_cast<std::uint8_t>(i * 5 + 3);
    }
    platform::Framebuffer frame(0);
    platform::Dc dc(frame);
    s->time.m_brightness = 256;
    BlitScene(*s, dc);
    for (std::size_t n = 0; n < 256; ++n) {
        const std::uint8_t* p = &s->m_scenePalette[4 * n];
        const std::array<int, 4> expected{p[2], p[1], p[0], 0};
        ASSERT_EQ(Entry(*s, n), expected) << n;
    }
    s->time.m_brightness = 0;
    BlitScene(*s, dc);
    for (std::size_t n = 0; n < 256; ++n) {
        ASSERT_EQ(Entry(*s, n), (std::array<int, 4>{0, 0, 0, 0})) << n;
    }
}

// ---- The picture on the framebuffer ----

constexpr platform::ColorRef kBackground = Rgb(1, 2, 3);

std::uint8_t IndexAt(int r, int c) {
    return static_cast<std::uint8_t>(r * 7 + c * 3);
}

platform::ColorRef ColourOf(std::uint8_t n) {
    return Rgb(n, static_cast<std::uint8_t>(255 - n), static_cast<std::uint8_t>(n / 2 + 100));
}

// A picture whose index changes along both axes, through colours that all differ.
void PaintTestPicture(ViewState& s) {
    for (int r = 0; r < kSceneHeight; ++r) {
        for (int c = 0; c < kSceneWidth; ++c) {
            s.m_scenePixels[static_cast<std::size_t>(r * kSceneWidth + c)] = IndexAt(r, c);
        }
    }
    for (std::size_t n = 0; n < 256; ++n) {
        const platform::ColorRef colour = ColourOf(static_cast<std::uint8_t>(n));
        s.m_scenePalette[4 * n] = platform::RedOf(colour);
        s.m_scenePalette[4 * n + 1] = platform::GreenOf(colour);
        s.m_scenePalette[4 * n + 2] = platform::BlueOf(colour);
    }
}

bool InScene(int x, int y) {
    return x >= 160 && x < 160 + 512 && y >= 65 && y < 65 + 320;
}

TEST(SceneBlit, PictureLandsUprightAtItsPlace) {
    auto s = NewState();
    PaintTestPicture(*s);
    s->time.m_brightness = 256;
    platform::Framebuffer frame(kBackground);
    platform::Dc dc(frame);
    BlitScene(*s, dc);
    for (int y = 0; y < frame.Height(); ++y) {
        for (int x = 0; x < frame.Width(); ++x) {
            const platform::ColorRef expected =
                InScene(x, y) ? ColourOf(IndexAt(y - 65, x - 160)) : kBackground;
            ASSERT_EQ(platform::FromPixel(frame.PixelAt(x, y)), expected) << x << "," << y;
        }
    }
}

TEST(SceneBlit, FailedLoadShowsTheLastPictureAsDrawn) {
    orbtest::TempDir install;
    orbtest::FakeViewHost host;
    auto s = NewState();
    s->m_installDir = install.Str();
    s->time.m_scene = 8;
    PaintTestPicture(*s);
    install.Write("DATA/08.map", std::string(s->m_scenePixels.begin(), s->m_scenePixels.end()));
    install.Write("DATA/08.pal", std::string(s->m_scenePalette.begin(), s->m_scenePalette.end()));
    s->m_scenePixels.fill(0);
    s->m_scenePalette.fill(0);
    s->time.m_brightness = 192;
    ASSERT_TRUE(LoadSceneFiles(*s, host));
    platform::Framebuffer drawn(kBackground);
    platform::Dc drawnDc(drawn);
    BlitScene(*s, drawnDc);

    // The next paint: another light, a new picture but no colours.
    s->time.m_brightness = 64;
    install.Write("DATA/08.map", std::string(kScenePixelsSize, '\x01'));
    std::filesystem::remove(install.Path() / "DATA" / "08.pal");
    ASSERT_FALSE(LoadSceneFiles(*s, host));
    platform::Framebuffer shown(kBackground);
    platform::Dc shownDc(shown);
    ShowScene(*s, shownDc);
    for (int y = 65; y < 65 + 320; ++y) {
        for (int x = 160; x < 160 + 512; ++x) {
            ASSERT_EQ(shown.PixelAt(x, y), drawn.PixelAt(x, y)) << x << "," << y;
        }
    }
    // Lit at 192, not the file's own colours.
    EXPECT_NE(platform::FromPixel(shown.PixelAt(170, 70)), ColourOf(IndexAt(5, 10)));
}

TEST(SceneBlit, NothingIsDrawnWithoutAnInformationBlock) {
    auto s = std::make_unique<ViewState>();
    s->m_scenePixels.fill(5);
    s->time.m_brightness = 256;
    platform::Framebuffer frame(kBackground);
    platform::Dc dc(frame);
    BlitScene(*s, dc);
    ShowScene(*s, dc);
    EXPECT_EQ(platform::FromPixel(frame.PixelAt(160, 65)), kBackground);
}

}  // namespace
}  // namespace orb
