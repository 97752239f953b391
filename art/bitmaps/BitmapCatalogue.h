// Every bitmap resource the viewer and the installer load, by id, with the
// colour depth it is stored in and the painter that draws it.
#pragma once

#include <QImage>
#include <functional>
#include <vector>

namespace orb::art {

enum class BitDepth { kPalette4 = 4, kPalette8 = 8, kTrue24 = 24 };

struct BitmapEntry {
    int id;
    BitDepth depth;
    std::function<QImage()> paint;
};

class BitmapCatalogue {
  public:
    static std::vector<BitmapEntry> Entries();
};

}  // namespace orb::art
