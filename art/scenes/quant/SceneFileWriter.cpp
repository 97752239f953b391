#include "SceneFileWriter.h"

#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstring>
#include <utility>

#include "SceneFileFormat.h"

namespace orb::art {

namespace {

void PutLe32(QByteArray& bytes, int offset, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<char>((v >> (8 * i)) & 0xFFu);
    }
}

bool WriteFile(const QString& path, const QByteArray& bytes, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace

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
    QByteArray bytes(header + SceneFileFormat::kPaletteBytes, '\0');
    if (header > 0) {
        // Skipped by the viewer; a magic, the number of colours in use and
        // the header size make the file recognisable to people and tools.
        std::memcpy(bytes.data(), "ORBWARP1", 8);
        PutLe32(bytes, 8, static_cast<std::uint32_t>(image.Palette().size()));
        PutLe32(bytes, 12, static_cast<std::uint32_t>(header));
    }
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
    return WriteFile(dir.filePath(SceneFileFormat::MapName(scene)), MapBytes(image), error) &&
           WriteFile(dir.filePath(SceneFileFormat::PalName(scene)), PaletteBytes(scene, image),
                     error);
}

}  // namespace orb::art
