// One picture of every scene as the viewer will show it (read back from the
// written NN.map and NN.pal files), with numbers and titles, and a strip of
// the program's bitmaps when they exist.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace orb::art {

class ContactSheet {
  public:
    ContactSheet(QString sceneDir, QString bitmapDir);

    // False, with *error filled, if a scene file cannot be read.
    bool Render(QImage* sheet, QString* error) const;

  private:
    QImage BitmapStrip(int width) const;

    QString m_sceneDir;
    QString m_bitmapDir;
};

}  // namespace orb::art
