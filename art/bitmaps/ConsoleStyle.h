// The console's shared colours and fonts, so every control looks like part of
// one instrument panel: amber segment displays on black, brushed-steel buttons
// with softly glowing lettering.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace orb::art::console {

inline QColor SegmentLit() {
    return QColor(255, 178, 46);
}
inline QColor SegmentGlow() {
    return QColor(255, 110, 0);
}
inline QColor SegmentUnlit() {
    return QColor(26, 16, 7);
}

inline QColor LegendLit() {
    return QColor(255, 214, 130);
}
inline QColor LegendGlow() {
    return QColor(255, 140, 20);
}
inline QColor LegendDim() {
    return QColor(78, 80, 88);
}

inline QColor BezelDark() {
    return QColor(18, 20, 24);
}
inline QColor BezelLight() {
    return QColor(120, 128, 140);
}
inline QColor FaceTop() {
    return QColor(70, 76, 88);
}
inline QColor FaceBottom() {
    return QColor(30, 33, 40);
}

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
