// Sizes and names of the scene files the viewer reads.
#pragma once

#include <QString>

namespace orb::art {

struct SceneFileFormat {
    static constexpr int kWidth = 512;
    static constexpr int kHeight = 320;
    static constexpr int kMapBytes = kWidth * kHeight;  // 163,840
    static constexpr int kPaletteEntries = 256;
    static constexpr int kPaletteBytes = kPaletteEntries * 4;  // 1,024
    // Only the warp tunnel's palette carries a header, which the viewer skips.
    static constexpr int kWarpScene = 99;
    static constexpr int kWarpHeaderBytes = 24;

    static int PaletteHeaderBytes(int scene) { return scene == kWarpScene ? kWarpHeaderBytes : 0; }
    static QString MapName(int scene) {
        return QStringLiteral("%1.map").arg(scene, 2, 10, QLatin1Char('0'));
    }
    static QString PalName(int scene) {
        return QStringLiteral("%1.pal").arg(scene, 2, 10, QLatin1Char('0'));
    }
};

}  // namespace orb::art
