// orb_make_contact_sheet SCENEDIR BITMAPDIR OUT.png SMALL.png
#include <QGuiApplication>
#include <cstdio>

#include "contact_sheet/ContactSheet.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr,
                     "usage: orb_make_contact_sheet SCENEDIR BITMAPDIR OUT.png SMALL.png\n");
        return 2;
    }
    QImage sheet;
    QString error;
    if (!orb::art::ContactSheet(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]))
             .Render(&sheet, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const QImage small = sheet.scaledToWidth(1200, Qt::SmoothTransformation);
    if (!sheet.save(QString::fromLocal8Bit(argv[3])) ||
        !small.save(QString::fromLocal8Bit(argv[4]))) {
        std::fprintf(stderr, "cannot write the contact sheet\n");
        return 1;
    }
    return 0;
}
