#include "retire/frm_retire.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "retire/new_season.h"
#include "ui/fixed_list.h"
#include "ui/program.h"

namespace retire {

FrmRetire::FrmRetire(const QStringList& left, const QStringList& right, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmRetire"));
    setWindowTitle(QString::fromUtf8(ReportTitle.data(), ReportTitle.size()));
    setWindowIcon(ui::suiteIcon());

    // The longest line: position, two names of 10 and two team names of 15.
    constexpr int Columns = 62;
    auto* signings = new ui::FixedList(this, Columns);
    signings->setObjectName(QStringLiteral("List1"));
    signings->setLines(left);
    auto* rookies = new ui::FixedList(this, Columns);
    rookies->setObjectName(QStringLiteral("List2"));
    rookies->setLines(right);
    for (ui::FixedList* list : {signings, rookies}) list->setMinimumHeight(420);

    auto* exit = new QPushButton(QStringLiteral("Exit"), this);
    exit->setObjectName(QStringLiteral("cmdExit"));
    exit->setDefault(true);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);

    auto* lists = new QHBoxLayout;
    lists->addWidget(signings);
    lists->addWidget(rookies);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exit);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(buttons);
}

}  // namespace retire
