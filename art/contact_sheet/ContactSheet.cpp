#include "contact_sheet/ContactSheet.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QPainter>
#include <algorithm>
#include <utility>
#include <vector>

#include "scenes/SceneFileFormat.h"
#include "scenes/SceneFileReader.h"
#include "scenes/ScenePainters.h"

namespace orb::art {

namespace {

constexpr int kColumns = 6;
constexpr int kSceneW = SceneFileFormat::kWidth;
constexpr int kSceneH = SceneFileFormat::kHeight;
constexpr int kGap = 12;
constexpr int kCaption = 26;
constexpr int kTitleBand = 48;
const QColor kBackground(28, 30, 36);
const QColor kInk(225, 228, 235);

QFont Font(int pixels, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

ContactSheet::ContactSheet(QString sceneDir, QString bitmapDir)
    : m_sceneDir(std::move(sceneDir)), m_bitmapDir(std::move(bitmapDir)) {}

QImage ContactSheet::BitmapStrip(int width) const {
    QDir dir(m_bitmapDir);
    const QFileInfoList files =
        dir.entryInfoList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        return QImage();
    }
    // Shelf packing in name order: each bitmap at its own size with its
    // name under it, rows as wide as the sheet.
    struct Placed {
        QImage image;
        QString name;
        int x;
        int y;
    };
    std::vector<Placed> placed;
    int x = kGap;
    int y = kTitleBand;
    int rowH = 0;
    for (const QFileInfo& info : files) {
        QImage image(info.filePath());
        if (image.isNull()) {
            continue;
        }
        // Large pictures (the installer background) are shown at half size
        // so they do not dwarf the strip.
        if (image.height() > 320) {
            image = image.scaled(image.size() / 2, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        const int cellW = std::max(image.width(), 60) + kGap;
        if (x + cellW > width && x > kGap) {
            x = kGap;
            y += rowH + kGap;
            rowH = 0;
        }
        placed.push_back({image, info.completeBaseName(), x, y});
        x += cellW;
        rowH = std::max(rowH, image.height() + 18);
    }
    QImage strip(width, y + rowH + kGap, QImage::Format_RGB32);
    strip.fill(kBackground);
    QPainter p(&strip);
    p.setPen(kInk);
    p.setFont(Font(28, true));
    p.drawText(QRect(kGap, 0, width - 2 * kGap, kTitleBand), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Bitmaps"));
    p.setFont(Font(12, false));
    for (const Placed& item : placed) {
        p.drawImage(item.x, item.y, item.image);
        p.drawText(QRect(item.x, item.y + item.image.height() + 2, 200, 16),
                   Qt::AlignLeft | Qt::AlignTop, item.name);
    }
    return strip;
}

bool ContactSheet::Render(QImage* sheet, QString* error) const {
    int count = 0;
    const SceneEntry* table = SceneTable(&count);
    const int rows = (count + kColumns - 1) / kColumns;
    const int width = kGap + kColumns * (kSceneW + kGap);
    const int scenesH = kTitleBand + rows * (kSceneH + kCaption + kGap);
    const QImage strip = BitmapStrip(width);
    QImage out(width, scenesH + strip.height(), QImage::Format_RGB32);
    out.fill(kBackground);
    {
        QPainter p(&out);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setPen(kInk);
        p.setFont(Font(30, true));
        p.drawText(QRect(kGap, 0, width - 2 * kGap, kTitleBand), Qt::AlignVCenter | Qt::AlignLeft,
                   QStringLiteral("Orbilon scenes, as stored (256 colours)"));
        const SceneFileReader reader(m_sceneDir);
        for (int i = 0; i < count; ++i) {
            IndexedImage scene;
            if (!reader.Read(table[i].number, &scene)) {
                *error = QStringLiteral("cannot read scene %1 from %2")
                             .arg(table[i].number)
                             .arg(m_sceneDir);
                return false;
            }
            const int x = kGap + (i % kColumns) * (kSceneW + kGap);
            const int y = kTitleBand + (i / kColumns) * (kSceneH + kCaption + kGap);
            p.drawImage(x, y, scene.ToImage());
            p.setFont(Font(18, true));
            p.drawText(QRect(x, y + kSceneH, 40, kCaption), Qt::AlignVCenter | Qt::AlignLeft,
                       QStringLiteral("%1").arg(table[i].number, 2, 10, QLatin1Char('0')));
            p.setFont(Font(16, false));
            p.drawText(QRect(x + 36, y + kSceneH, kSceneW - 36, kCaption),
                       Qt::AlignVCenter | Qt::AlignLeft, QString::fromUtf8(table[i].title));
        }
        if (!strip.isNull()) {
            p.drawImage(0, scenesH, strip);
        }
    }
    *sheet = out;
    return true;
}

}  // namespace orb::art
