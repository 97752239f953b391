// Makes the bitmap files of the table's rows: each one painted by the painter
// listed under its name, checked against the row's size and stored in the
// row's colour depth.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "bitmaps/BitmapRow.h"

namespace orb::art {

struct BitmapPainter {
    std::string name;
    std::function<QImage()> paint;
};

struct BitmapFile {
    int id;
    QByteArray bytes;  // a Windows BMP file
};

class BitmapMaker {
  public:
    // The files in the order of `rows`. Nothing, and `error` says why, when a
    // row has no painter, a painter has no row, two painters share a name, or
    // a picture is not its row's size.
    static std::vector<BitmapFile> Make(const std::vector<BitmapRow>& rows,
                                        const std::vector<BitmapPainter>& painters, QString* error);
};

}  // namespace orb::art
