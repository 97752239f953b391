#include "scenes/SceneFileWriter.h"

#include <QDir>
#include <cstdint>
#include <cstring>
#include <utility>

#include "io/Files.h"
#include "io/LittleEndian.h"
#include "scenes/SceneFileFormat.h"

namespace orb::art {

SceneFileWriter::SceneFileWriter(QString directory) : m_directory(std::move(directory)) {}

QByteArray SceneFileWriter::MapBytes(const IndexedImage& image) {
    QByteArray bytes(SceneFileFormat::kMapBytes, '\0');
    const auto& pixels = image.Pixels();
    std::memcpy(bytes.data(), pixels.data(),
                std::min<std::size_t>(pixels.size(), SceneFileFormat::kMapBytes));
    return bytes;
}

QByteArray SceneFileWriter::PaletteBytes(int scene, const IndexedImage& image) {
    const int header = SceneFileFormat::PaletteHeaderBytes(scene);
    QByteArray bytes;
    if (header > 0) {
        // Skipped by the viewer; a magic, the number of colours in use and
        // the header size make the file recognisable to people and tools.
        bytes.append("ORBWARP1", 8);
        AppendU32(bytes, static_cast<std::uint32_t>(image.Palette().size()));
        AppendU32(bytes, static_cast<std::uint32_t>(header));
    }
    bytes.append(header + SceneFileFormat::kPaletteBytes - bytes.size(), '\0');
    const auto& palette = image.Palette();
    for (std::size_t i = 0; i < palette.size() && i < SceneFileFormat::kPaletteEntries; ++i) {
        const int at = header + static_cast<int>(i) * 4;
        bytes[at] = static_cast<char>(qRed(palette[i]));
        bytes[at + 1] = static_cast<char>(qGreen(palette[i]));
        bytes[at + 2] = static_cast<char>(qBlue(palette[i]));
    }
    return bytes;
}

bool SceneFileWriter::Write(int scene, const IndexedImage& image, QString* error) const {
    if (image.Width() != SceneFileFormat::kWidth || image.Height() != SceneFileFormat::kHeight ||
        image.Palette().size() > SceneFileFormat::kPaletteEntries) {
        *error =
            QStringLiteral("scene %1 is not a 512 x 320 picture of at most 256 colours").arg(scene);
        return false;
    }
    if (!QDir().mkpath(m_directory)) {
        *error = QStringLiteral("cannot create %1").arg(m_directory);
        return false;
    }
    const QDir dir(m_directory);
    return WriteFileAtomically(dir.filePath(SceneFileFormat::MapName(scene)), MapBytes(image),
                               error) &&
           WriteFileAtomically(dir.filePath(SceneFileFormat::PalName(scene)),
                               PaletteBytes(scene, image), error);
}

}  // namespace orb::art
