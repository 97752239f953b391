// The console's shared colours and fonts, so every control looks like part of
// one instrument panel: amber segment displays on black, brushed-steel buttons
// with softly glowing lettering.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace orb::art::console {

inline constexpr QColor kSegmentLit(255, 178, 46);
inline constexpr QColor kSegmentGlow(255, 110, 0);
inline constexpr QColor kSegmentUnlit(26, 16, 7);

inline constexpr QColor kLegendLit(255, 214, 130);
inline constexpr QColor kLegendGlow(255, 140, 20);
inline constexpr QColor kLegendDim(78, 80, 88);

inline constexpr QColor kBezelDark(18, 20, 24);
inline constexpr QColor kBezelLight(120, 128, 140);
inline constexpr QColor kFaceTop(70, 76, 88);
inline constexpr QColor kFaceBottom(30, 33, 40);

inline QFont SansFont(int pixelSize, bool bold, bool italic = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

inline QFont SerifFont(int pixelSize, bool bold, bool italic = false) {
    QFont font = SansFont(pixelSize, bold, italic);
    font.setFamily(QStringLiteral("Liberation Serif"));
    return font;
}

}  // namespace orb::art::console
