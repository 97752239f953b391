// A review sheet of the written bitmaps and icons, read back from the files
// (so it also shows that they load), enlarged twice, on a grey card.
#pragma once

#include <QString>

namespace orb::art {

class Montage {
  public:
    static bool Write(const QString& outDir, const QString& pngPath);
};

}  // namespace orb::art
