#include "shell/CAboutDlg.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "platform/qt/DialogLabel.h"
#include "platform/qt/DialogUnits.h"
#include "version/ShownVersion.h"

namespace orb {

using platform::DialogFont;
using platform::DluRect;
using platform::DluX;
using platform::DluY;

namespace {

// The template's texts stand 10 units high, as wide as it says.
QLabel* Text(QWidget* parent, const QString& text, int x, int y, int width) {
    return platform::AddDialogLabel(parent, text, x, y, width, 10, platform::LabelWidth::kTemplate);
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("About Orbilon (the time machine console)"));
    setFont(DialogFont());
    setFixedSize(DluX(276), DluY(142));

    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    icon->setGeometry(DluRect(9, 10, 21, 20));

    Text(this, QStringLiteral("Orbilon v." ORB_SHOWN_VERSION), 40, 10, 200);
    Text(this, QStringLiteral("Written by the Orbilon developers, 2026. MIT licence."), 40, 22,
         230);

    const QString credits[] = {
        QStringLiteral("Scene pictures: painted by the Orbilon scene generator,"),
        QStringLiteral("  from procedural skies, terrain, water and nebulae."),
        QStringLiteral("Console bitmaps and sounds: synthesised at build time."),
        QStringLiteral("Events databank: written for Orbilon from mainstream sources."),
        QStringLiteral("Fonts: Liberation Sans and Liberation Serif."),
    };
    // Five lines evenly from y = 49 down to y = 103.
    int line = 0;
    for (const QString& text : credits) {
        Text(this, text, 9, 49 + line * 27 / 2, 260);
        ++line;
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(DluRect(96, 122, 64, 14));
    ok->setDefault(true);
    ok->setObjectName(QStringLiteral("IDOK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace orb
