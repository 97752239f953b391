// Writes a reduced scene as the viewer's NN.map and NN.pal pair.
#pragma once

#include <QByteArray>
#include <QString>

#include "quant/IndexedImage.h"

namespace orb::art {

class SceneFileWriter {
  public:
    explicit SceneFileWriter(QString directory);

    // The picture must be 512 x 320 with at most 256 palette entries.
    // Returns false and fills *error when a file cannot be written.
    bool Write(int scene, const IndexedImage& image, QString* error) const;

    // File contents, exposed so they can be checked without touching disk.
    static QByteArray MapBytes(const IndexedImage& image);
    static QByteArray PaletteBytes(int scene, const IndexedImage& image);

  private:
    QString m_directory;
};

}  // namespace orb::art
