#include "annals/seerecrd.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/fixed_list.h"

namespace SeeRecs {

Seerecrd::Seerecrd(const QStringList& lines, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Seerecrd"));
    setWindowTitle(QStringLiteral("League Records"));
    list_ = new ui::FixedList(this);
    list_->setObjectName(QStringLiteral("List1"));
    list_->setLines(lines);
    list_->setMinimumHeight(420);

    auto* exit = new QPushButton(QStringLiteral("Exit"), this);
    exit->setObjectName(QStringLiteral("cmdExit"));
    auto* copy = new QPushButton(QStringLiteral("Copy"), this);
    copy->setObjectName(QStringLiteral("cmdCopy"));
    for (QPushButton* b : {exit, copy}) b->setAutoDefault(false);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    connect(copy, &QPushButton::clicked, this, &Seerecrd::copyLine);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(exit);
    buttons->addWidget(copy);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
}

void Seerecrd::copyLine() {
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) return;
    QString line = selected.first()->text();
    qsizetype blanks = 0;
    while (blanks < line.size() && line[blanks] == u' ') ++blanks;
    clipboard->setText(line.mid(blanks));
}

}  // namespace SeeRecs
