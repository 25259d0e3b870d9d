#include "tally/choosetm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/fixed_list.h"
#include "ui/modal_form.h"
#include "ui/print_dialog.h"

namespace stats {

Choosetm::Choosetm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Choosetm"));
    list_ = new ui::FixedList(this);
    list_->setObjectName(QStringLiteral("lstStats"));
    list_->setMinimumHeight(480);
    teams_ = new QComboBox(this);
    teams_->setObjectName(QStringLiteral("cboPickTeam"));
    teams_->setFont(ui::fixedFont());
    teams_->hide();
    print_ = new QPushButton(QStringLiteral("Print"), this);
    print_->setObjectName(QStringLiteral("cmdPrint"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    for (QPushButton* b : {print_, ok}) b->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print_);
    buttons->addWidget(ok);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(teams_);
    layout->addWidget(list_);
    layout->addLayout(buttons);
}

void Choosetm::showReport(const QString& caption, const QStringList& lines, int season,
                          const QString& lastPrintFile) {
    setWindowTitle(caption);
    list_->setLines(lines);
    connect(print_, &QPushButton::clicked, this, [this, caption, season, lastPrintFile] {
        ui::PrintChoice choice = ui::askPrintTarget(lastPrintFile);
        ui::printReport(choice, caption, season, std::nullopt, list_->lines());
    });
    ui::showModal(*this);
}

int Choosetm::chooseTeam(const QStringList& names) {
    setWindowTitle(QStringLiteral("Select Team"));
    list_->hide();
    print_->hide();
    teams_->clear();
    teams_->addItem(QStringLiteral("CANCEL"));
    teams_->addItems(names);
    teams_->setCurrentIndex(0);
    teams_->show();
    setMinimumSize(0, 0);
    adjustSize();
    ui::showModal(*this);
    int chosen = result() == QDialog::Accepted ? teams_->currentIndex() : 0;
    teams_->hide();
    list_->show();
    print_->show();
    return chosen < 0 ? 0 : chosen;
}

}  // namespace stats
