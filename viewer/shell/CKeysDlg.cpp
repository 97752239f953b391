#include "shell/CKeysDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "display/Keys.h"
#include "platform/qt/DialogUnits.h"

namespace orb {

CKeysDlg::CKeysDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("Keys"));
    setFont(platform::DialogFont());

    auto* table = new QTableWidget(static_cast<int>(kKeyHelp.size()), 3, this);
    table->setObjectName(QStringLiteral("keys"));
    table->setHorizontalHeaderLabels({QStringLiteral("Key"), QStringLiteral("Travel screen"),
                                      QStringLiteral("Browsing screen")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    int row = 0;
    for (const KeyHelp& help : kKeyHelp) {
        const char* cells[] = {help.key, help.travel, help.browsing};
        for (int column = 0; column < 3; ++column) {
            table->setItem(row, column, new QTableWidgetItem(QString::fromUtf8(cells[column])));
        }
        ++row;
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    // Tall and wide enough for every row and column without scrolling.
    int width = 2 * table->frameWidth();
    for (int column = 0; column < 3; ++column) {
        width += table->columnWidth(column);
    }
    int height = 2 * table->frameWidth() + table->horizontalHeader()->height();
    for (int r = 0; r < table->rowCount(); ++r) {
        height += table->rowHeight(r);
    }
    table->setMinimumSize(width, height);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* note = new QLabel(
        QStringLiteral("Keys move the lever as a click on it would. With Hovering Mouse on, "
                       "moving the mouse sets the speed from the pointer again: moving it "
                       "off the lever stops the travel the keys started."),
        this);
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("IDOK"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(note);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace orb
