// Paints every scene, reduces it to 256 colours and writes its files.
#pragma once

#include <QString>

namespace orb::art {

class SceneGenerator {
  public:
    // Writes NN.map and NN.pal for every scene into directory. With report,
    // prints each scene's PSNR against its full-colour painting. Returns a
    // process exit code.
    static int GenerateAll(const QString& directory, bool report);

    // One scene to a PNG: the painting itself, or what the 256-colour files
    // will show.
    static int Preview(int scene, const QString& pngPath, bool reduced);
};

}  // namespace orb::art
