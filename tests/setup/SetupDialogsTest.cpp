// The two dialogs as templates: captions, texts, controls at their places.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "platform/qt/DialogUnits.h"
#include "support/SetupRig.h"

namespace orbsetup {
namespace {

using platform::DluRect;
using SetupDialogs = orbtest::SetupRig;

// The static text `text` of `dialog`, which must be there once.
QLabel* TextOf(QDialog& dialog, const char* text) {
    QLabel* found = nullptr;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text() == QString::fromLatin1(text)) {
            EXPECT_EQ(found, nullptr) << "twice: " << text;
            found = label;
        }
    }
    EXPECT_NE(found, nullptr) << "missing: " << text;
    return found;
}

// A text at its place, at least as wide as the template says and wide
// enough to show all of itself, within the dialog.
void ExpectText(QDialog& dialog, const char* text, QRect place) {
    QLabel* label = TextOf(dialog, text);
    if (label == nullptr) {
        return;
    }
    EXPECT_EQ(label->pos(), place.topLeft()) << text;
    EXPECT_EQ(label->height(), place.height()) << text;
    EXPECT_GE(label->width(), place.width()) << text;
    EXPECT_LE(label->sizeHint().width(), label->width()) << "cut off: " << text;
    EXPECT_LE(label->geometry().right(), dialog.width() - 1) << text;
    EXPECT_TRUE(label->isVisible()) << text;
}

TEST_F(SetupDialogs, WizardIsDialog130WithItsCaptionTextsAndControls) {
    StartShown();
    CUpgradeWizardDlg& wizard = *Wizard();
    EXPECT_EQ(wizard.windowTitle(), QStringLiteral("Upgrade  Setup  Wizard"));
    EXPECT_EQ(wizard.size(), QSize(platform::DluX(186), platform::DluY(95)));
    EXPECT_TRUE(wizard.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(wizard.windowFlags() & Qt::WindowTitleHint);
    EXPECT_FALSE(wizard.isModal());
    EXPECT_EQ(wizard.findChildren<QLabel*>().size(), 2);
    ExpectText(wizard, "Enter  the  name  of  the  Directory  in  which  you  installed",
               DluRect(7, 14, 169, 8));
    ExpectText(wizard, "the previous version:", DluRect(7, 24, 63, 8));

    QLineEdit* edit = wizard.DirectoryEdit();
    EXPECT_EQ(edit->geometry(), DluRect(7, 40, 165, 14));
    EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_TRUE(edit->hasFrame());
    // The edit says what kind of directory it wants without changing the texts.
    EXPECT_TRUE(edit->toolTip().contains(QStringLiteral("full path")))
        << edit->toolTip().toStdString();
    EXPECT_TRUE(edit->placeholderText().contains(QStringLiteral("full path")));
    QTest::keyClicks(edit, QString(130, QLatin1Char('x')));
    EXPECT_EQ(edit->text().size(), 127);

    EXPECT_EQ(wizard.OkButton()->text(), QStringLiteral("OK"));
    EXPECT_EQ(wizard.OkButton()->geometry(), DluRect(111, 74, 50, 14));
    EXPECT_TRUE(wizard.OkButton()->isDefault());
    EXPECT_EQ(wizard.CancelButton()->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(wizard.CancelButton()->geometry(), DluRect(23, 74, 50, 14));
    EXPECT_FALSE(wizard.CancelButton()->isDefault());
}

TEST_F(SetupDialogs, WizardStandsCentredOverTheMainWindow) {
    StartShown();
    const QPoint wizardCentre = Wizard()->frameGeometry().center();
    const QPoint frameCentre = Frame()->frameGeometry().center();
    EXPECT_LE((wizardCentre - frameCentre).manhattanLength(), 4)
        << wizardCentre.x() << "," << wizardCentre.y() << " against " << frameCentre.x() << ","
        << frameCentre.y();
}

TEST_F(SetupDialogs, CompletionIsDialog145WithAnEmptyCaptionItsTextsAndOk) {
    StartShown();
    Confirm(QStringLiteral("/opt/orbilon"));
    View().repaint();
    CSetupCompleteDlg& complete = Complete();
    ASSERT_TRUE(complete.isVisible());
    // Shown empty, not with the program's name the toolkit puts in its place.
    ASSERT_NE(complete.windowHandle(), nullptr);
    EXPECT_EQ(complete.windowHandle()->title(), QStringLiteral(" "));
    EXPECT_EQ(complete.size(), QSize(platform::DluX(187), platform::DluY(100)));
    EXPECT_TRUE(complete.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(complete.isModal());
    EXPECT_EQ(complete.findChildren<QLabel*>().size(), 2);
    ExpectText(complete, "Setup was completed successfuly", DluRect(42, 22, 102, 8));
    ExpectText(complete, "You can now close the Setup Window", DluRect(37, 44, 113, 8));
    EXPECT_EQ(complete.findChildren<QPushButton*>().size(), 1);
    EXPECT_EQ(complete.OkButton()->text(), QStringLiteral("OK"));
    EXPECT_EQ(complete.OkButton()->geometry(), DluRect(64, 69, 50, 14));
    EXPECT_TRUE(complete.OkButton()->isDefault());
}

}  // namespace
}  // namespace orbsetup
