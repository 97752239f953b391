// Reads a scene back from its NN.map and NN.pal files, the way the viewer
// does, so a picture can be checked as it will be shown.
#pragma once

#include <QString>

#include "quant/IndexedImage.h"

namespace orb::art {

class SceneFileReader {
  public:
    explicit SceneFileReader(QString directory);

    // The picture with all 256 palette entries of the file. False if either
    // file is missing or too short.
    bool Read(int scene, IndexedImage* image) const;

  private:
    QString m_directory;
};

}  // namespace orb::art
