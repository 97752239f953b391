#include "display/SceneRendering.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "display/ViewHost.h"
#include "display/ViewState.h"
#include "platform/Colour.h"
#include "platform/Dc.h"
#include "platform/File.h"
#include "platform/FileException.h"
#include "platform/Path.h"
#include "platform/PathResolver.h"

namespace orb {

namespace {

constexpr std::size_t kHeaderSize = 40;  // the bitmap header before the colour table
constexpr std::size_t kColours = 256;
constexpr int kFullLevel = 256;
constexpr double kLeastWarpZoom = 0.5;
constexpr double kMostWarpZoom = 1.0;
static_assert(kHeaderSize + 4 * kColours == kSceneInfoSize);
static_assert(kScenePaletteSize == 4 * kColours);
static_assert(kScenePixelsSize == static_cast<std::size_t>(kSceneWidth) * kSceneHeight);

// Reads `size` bytes into `out` after `skip` bytes of header; false when the
// file is missing, unreadable or ends before that. `out` may then hold part of
// it. The path is found through `paths`.
bool ReadExactly(const std::string& path, std::size_t skip, std::uint8_t* out, std::size_t size,
                 platform::PathResolver& paths) {
    constexpr unsigned kFlags = platform::File::modeRead | platform::File::shareDenyWrite;
    platform::File file;
    if (!file.Open(path, kFlags, paths)) {
        return false;
    }
    try {
        std::vector<std::uint8_t> header(skip);
        if (file.Read(header.data(), skip) != skip) {
            return false;
        }
        return file.Read(out, size) == size;
    } catch (const platform::FileException&) {
        // A read error (a directory by that name, a failing disk) is one more
        // unreadable file, not a reason to end the paint.
        return false;
    }
}

// ReadExactly, and one warning per path for the whole run when it fails: the
// files are read on every paint, and a missing one stays missing.
bool ReadSceneFile(const std::string& path, std::size_t skip, std::uint8_t* out, std::size_t size,
                   ViewState& s, ViewHost& host) {
    if (ReadExactly(path, skip, out, size, s.m_paths)) {
        return true;
    }
    if (s.m_sceneFilesReported.insert(path).second) {
        host.Warn("cannot read the scene file " + platform::ResolvePath(path) +
                  ": it is missing, unreadable or shorter than " + std::to_string(skip + size) +
                  " bytes; the last picture stays");
    }
    return false;
}

// Out of range the warp zoom would index outside the source picture. NaN
// means no zoom: the picture as stored.
double SafeWarpZoom(double z) {
    if (std::isnan(z)) {
        return kMostWarpZoom;
    }
    return std::clamp(z, kLeastWarpZoom, kMostWarpZoom);
}

void PutU16(std::uint8_t* at, std::uint32_t value) {
    at[0] = static_cast<std::uint8_t>(value & 0xFFu);
    at[1] = static_cast<std::uint8_t>((value >> 8) & 0xFFu);
}

void PutU32(std::uint8_t* at, std::uint32_t value) {
    PutU16(at, value & 0xFFFFu);
    PutU16(at + 2, value >> 16);
}

// Size 40, 512 x 320, one plane, 8 bits per pixel; no compression, image
// size, resolutions or colour counts (all 0).
void WriteBitmapHeader(std::uint8_t* header) {
    std::fill(header, header + kHeaderSize, std::uint8_t{0});
    PutU32(header, kHeaderSize);
    PutU32(header + 4, kSceneWidth);
    PutU32(header + 8, kSceneHeight);
    PutU16(header + 12, 1);
    PutU16(header + 14, 8);
}

// The palette lit at `level`: out = (c*B*B + g*(256-B)*B) >> 16 for each
// component c, g being the entry's grey. Entries are stored blue, green, red, 0.
void WriteColourTable(const std::array<std::uint8_t, kScenePaletteSize>& palette, int level,
                      std::uint8_t* table) {
    // Outside 0..256 the products overflow and the colours mean nothing.
    const auto b = static_cast<std::uint32_t>(std::clamp(level, 0, kFullLevel));
    std::array<std::uint32_t, kColours> own{};
    std::array<std::uint32_t, kColours> grey{};
    for (std::uint32_t k = 0; k < kColours; ++k) {
        own[k] = k * b * b;
        grey[k] = k * (kFullLevel - b) * b;
    }
    for (std::size_t n = 0; n < kColours; ++n) {
        const std::uint8_t* in = &palette[4 * n];
        const std::size_t g = (std::size_t{in[0]} + in[1] + in[2]) / 3;
        const auto lit = [&](std::uint8_t c) {
            return static_cast<std::uint8_t>((own[c] + grey[g]) >> 16);
        };
        std::uint8_t* out = table + 4 * n;
        out[0] = lit(in[2]);
        out[1] = lit(in[1]);
        out[2] = lit(in[0]);
        out[3] = 0;
    }
}

}  // namespace

std::string SceneFilePath(const std::string& installDir, int scene, const char* extension) {
    // Always two digits, whatever the number: a name never holds a separator.
    const unsigned number = static_cast<unsigned>(scene) % 100u;
    const char digits[] = {static_cast<char>('0' + number / 10),
                           static_cast<char>('0' + number % 10), '\0'};
    return installDir + "\\DATA\\" + digits + extension;
}

bool LoadSceneFiles(ViewState& s, ViewHost& host) {
    const int scene = s.time.m_scene;
    const bool warp = scene == kWarpScene;
    // Both files are read in full before either target changes: a failure
    // leaves the last picture and palette as they were.
    const bool picture = ReadSceneFile(SceneFilePath(s.m_installDir, scene, ".map"), 0,
                                       s.m_pictureRead.data(), s.m_pictureRead.size(), s, host);
    const bool palette =
        ReadSceneFile(SceneFilePath(s.m_installDir, scene, ".pal"), warp ? kWarpPaletteHeader : 0,
                      s.m_paletteRead.data(), s.m_paletteRead.size(), s, host);
    if (!picture || !palette) {
        return false;
    }
    // Mostly the same picture as before: then there is nothing to copy.
    auto& target = warp ? s.m_warpPixels : s.m_scenePixels;
    if (target != s.m_pictureRead) {
        target = s.m_pictureRead;
        if (!warp) {
            s.m_sceneShownOn = nullptr;
        }
    }
    s.m_scenePalette = s.m_paletteRead;
    return true;
}

void ZoomWarpScene(ViewState& s) {
    if (s.time.m_scene != kWarpScene) {
        return;
    }
    s.m_sceneShownOn = nullptr;  // the picture is made anew
    const double z = SafeWarpZoom(s.time.m_warpZoom);
    // 16.16 fixed point: col[i] is the integer part of 256 + (i - 256) * z.
    const auto fixedZ = static_cast<std::int32_t>(z * 65536.0);
    std::array<std::uint16_t, kSceneWidth> column{};
    for (std::int32_t i = 0; i < kSceneWidth; ++i) {
        // Never negative for z in [0.5, 1], so the shift is a plain division.
        column[static_cast<std::size_t>(i)] =
            static_cast<std::uint16_t>((i * fixedZ - 256 * fixedZ + 16777216) >> 16);
    }
    const auto width = static_cast<std::size_t>(kSceneWidth);
    std::size_t previous = kScenePixelsSize;  // no row yet
    std::array<std::uint8_t, kSceneWidth> row{};
    for (int r = 0; r < kSceneHeight; ++r) {
        const auto source = static_cast<std::size_t>((r - 160) * z + 160.0);
        std::uint8_t* out = &s.m_scenePixels[static_cast<std::size_t>(r) * width];
        if (source == previous) {
            std::memcpy(out, out - width, width);  // magnified: the same row again
            continue;
        }
        const std::uint8_t* in = &s.m_warpPixels[source * width];
        // Gathered into a local row first: a byte stored straight into the
        // state may alias the column table, which keeps the loop slow.
        for (std::size_t i = 0; i < width; ++i) {
            row[i] = in[column[i]];
        }
        std::memcpy(out, row.data(), width);
        previous = source;
    }
}

void BlitScene(ViewState& s, platform::Dc& dc) {
    if (!s.m_sceneInfo) {
        return;
    }
    std::uint8_t* info = s.m_sceneInfo->data();
    WriteBitmapHeader(info);
    WriteColourTable(s.m_scenePalette, s.time.m_brightness, info + kHeaderSize);
    ShowScene(s, dc);
}

void ShowScene(ViewState& s, platform::Dc& dc) {
    // Without its information block there is no colour table to draw through.
    if (!s.m_sceneInfo) {
        return;
    }
    const std::uint8_t* entries = s.m_sceneInfo->data() + kHeaderSize;
    std::array<platform::ColorRef, kColours> colours{};
    for (std::size_t n = 0; n < kColours; ++n) {
        const std::uint8_t* e = entries + 4 * n;
        colours[n] = platform::Rgb(e[2], e[1], e[0]);
    }
    if (s.m_sceneShownOn == &dc.Target() && colours == s.m_shownColours) {
        return;
    }
    dc.DrawIndexed(kSceneX, kSceneY, kSceneWidth, kSceneHeight, s.m_scenePixels.data(),
                   colours.data());
    s.m_shownColours = colours;
    s.m_sceneShownOn = &dc.Target();
}

}  // namespace orb
