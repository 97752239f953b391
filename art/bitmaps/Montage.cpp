#include "Montage.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include "BitmapCatalogue.h"
#include "ConsoleStyle.h"

namespace orb::art {

bool Montage::Write(const QString& outDir, const QString& pngPath) {
    const QDir root(outDir);
    const int sheetWidth = 1800;
    std::vector<std::pair<QString, QImage>> items;
    for (const auto& entry : BitmapCatalogue::Entries()) {
        if (entry.id == 133) {
            continue;  // shown on its own below
        }
        QImage image(root.filePath(QStringLiteral("bitmaps/%1.bmp").arg(entry.id)));
        if (image.isNull()) {
            return false;
        }
        items.emplace_back(QString::number(entry.id), image);
    }
    for (const char* kind : {"orb", "setup"}) {
        for (int size : {16, 32, 48, 64, 128}) {
            QImage icon(root.filePath(QStringLiteral("icons/%1-%2.png").arg(kind).arg(size)));
            if (icon.isNull()) {
                return false;
            }
            items.emplace_back(QStringLiteral("%1-%2").arg(kind).arg(size), icon);
        }
    }

    // Flow layout at twice the size.
    int x = 10;
    int y = 10;
    int rowHeight = 0;
    std::vector<QPoint> places;
    for (const auto& item : items) {
        const QSize s = item.second.size() * 2;
        if (x + s.width() > sheetWidth - 10) {
            x = 10;
            y += rowHeight + 24;
            rowHeight = 0;
        }
        places.emplace_back(x, y);
        x += s.width() + 14;
        rowHeight = std::max(rowHeight, s.height());
    }
    const int setupTop = y + rowHeight + 30;
    QImage sheet(sheetWidth, setupTop + 610, QImage::Format_RGB32);
    sheet.fill(QColor(96, 96, 104));
    QPainter p(&sheet);
    p.setFont(console::SansFont(12, false));
    p.setPen(Qt::white);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const QImage& image = items[i].second;
        p.drawImage(QRect(places[i], image.size() * 2), image);
        p.drawText(places[i] + QPoint(0, image.height() * 2 + 14), items[i].first);
    }
    const QImage setup(root.filePath(QStringLiteral("bitmaps/133.bmp")));
    if (setup.isNull()) {
        return false;
    }
    p.drawImage(10, setupTop, setup);
    return sheet.save(pngPath, "PNG");
}

}  // namespace orb::art
