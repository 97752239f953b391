// Bitmap generator. `orb_gen_bitmaps OUTDIR` writes OUTDIR/bitmaps/<id>.bmp
// for every resource and OUTDIR/icons/{orb,setup}-<size>.png.
// `orb_gen_bitmaps --montage OUTDIR out.png` lays the written files out on one
// sheet for review.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

#include "BitmapCatalogue.h"
#include "BmpWriter.h"
#include "IconPainter.h"
#include "Montage.h"
#include "PaletteReducer.h"

namespace {

const int kIconSizes[] = {16, 32, 48, 64, 128, 256};

bool WriteAll(const QString& outDir) {
    QDir root(outDir);
    if (!root.mkpath(QStringLiteral("bitmaps")) || !root.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(outDir));
        return false;
    }
    for (const auto& entry : orb::art::BitmapCatalogue::Entries()) {
        const QImage painted = entry.paint();
        QByteArray bytes;
        if (entry.depth == orb::art::BitDepth::kTrue24) {
            bytes = orb::art::BmpWriter::Encode24(painted);
        } else {
            const int bits = static_cast<int>(entry.depth);
            bytes = orb::art::BmpWriter::EncodeIndexed(
                orb::art::PaletteReducer::Reduce(painted, 1 << bits), bits);
        }
        const QString path = root.filePath(QStringLiteral("bitmaps/%1.bmp").arg(entry.id));
        if (!orb::art::BmpWriter::WriteFile(path, bytes)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    for (int size : kIconSizes) {
        const QString viewer = root.filePath(QStringLiteral("icons/orb-%1.png").arg(size));
        const QString setup = root.filePath(QStringLiteral("icons/setup-%1.png").arg(size));
        if (!orb::art::IconPainter::Viewer(size).save(viewer, "PNG") ||
            !orb::art::IconPainter::Setup(size).save(setup, "PNG")) {
            std::fprintf(stderr, "cannot write icon %d\n", size);
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
    if (argc == 4 && std::strcmp(argv[1], "--montage") == 0) {
        return orb::art::Montage::Write(QString::fromLocal8Bit(argv[2]),
                                        QString::fromLocal8Bit(argv[3]))
                   ? 0
                   : 1;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: orb_gen_bitmaps OUTDIR | --montage OUTDIR out.png\n");
        return 2;
    }
    return WriteAll(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
