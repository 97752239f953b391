#include "scenes/SceneFileReader.h"

#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "scenes/SceneFileFormat.h"

namespace orb::art {

SceneFileReader::SceneFileReader(QString directory) : m_directory(std::move(directory)) {}

bool SceneFileReader::Read(int scene, IndexedImage* image) const {
    const QDir dir(m_directory);
    QFile map(dir.filePath(SceneFileFormat::MapName(scene)));
    QFile pal(dir.filePath(SceneFileFormat::PalName(scene)));
    if (!map.open(QIODevice::ReadOnly) || !pal.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray pixels = map.read(SceneFileFormat::kMapBytes);
    pal.read(SceneFileFormat::PaletteHeaderBytes(scene));
    const QByteArray entries = pal.read(SceneFileFormat::kPaletteBytes);
    if (pixels.size() != SceneFileFormat::kMapBytes ||
        entries.size() != SceneFileFormat::kPaletteBytes) {
        return false;
    }
    std::vector<QRgb> palette;
    for (int i = 0; i < SceneFileFormat::kPaletteEntries; ++i) {
        const auto* e = reinterpret_cast<const std::uint8_t*>(entries.constData()) +
                        static_cast<std::ptrdiff_t>(i) * 4;
        palette.push_back(qRgb(e[0], e[1], e[2]));
    }
    const auto* p = reinterpret_cast<const std::uint8_t*>(pixels.constData());
    *image = IndexedImage(SceneFileFormat::kWidth, SceneFileFormat::kHeight,
                          std::vector<std::uint8_t>(p, p + pixels.size()), std::move(palette));
    return true;
}

}  // namespace orb::art
