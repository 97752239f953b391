// Bitmap generator. `orb_gen_bitmaps OUTDIR` writes OUTDIR/bitmaps/<id>.bmp
// for every row of the bitmap table and OUTDIR/icons/{orb,setup}-<size>.png.
// The contact sheet (art/contact_sheet) shows the written bitmaps for review.
#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <iterator>
#include <vector>

#include "bitmaps/BitmapCatalogue.h"
#include "bitmaps/BitmapMaker.h"
#include "bitmaps/BitmapTable.h"
#include "bitmaps/IconPainter.h"
#include "io/Files.h"

namespace {

const int kIconSizes[] = {ORB_ICON_SIZES};

bool Write(const QString& path, const QByteArray& bytes) {
    QString error;
    if (!orb::art::WriteFileAtomically(path, bytes, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    return true;
}

QByteArray Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

bool WriteAll(const QString& outDir) {
    QDir root(outDir);
    if (!root.mkpath(QStringLiteral("bitmaps")) || !root.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(outDir));
        return false;
    }
    QString error;
    const std::vector<orb::art::BitmapFile> files = orb::art::BitmapMaker::Make(
        {std::begin(orb::art::kBitmapTable), std::end(orb::art::kBitmapTable)},
        orb::art::BitmapCatalogue::Painters(), &error);
    if (files.empty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    for (const orb::art::BitmapFile& file : files) {
        if (!Write(root.filePath(QStringLiteral("bitmaps/%1.bmp").arg(file.id)), file.bytes)) {
            return false;
        }
    }
    for (int size : kIconSizes) {
        const QByteArray viewer = Png(orb::art::IconPainter::Viewer(size));
        const QByteArray setup = Png(orb::art::IconPainter::Setup(size));
        if (viewer.isEmpty() || setup.isEmpty()) {
            std::fprintf(stderr, "cannot encode icon %d\n", size);
            return false;
        }
        if (!Write(root.filePath(QStringLiteral("icons/orb-%1.png").arg(size)), viewer) ||
            !Write(root.filePath(QStringLiteral("icons/setup-%1.png").arg(size)), setup)) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // A generator never needs a display; fonts still come from fontconfig.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: orb_gen_bitmaps OUTDIR\n");
        return 2;
    }
    return WriteAll(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
