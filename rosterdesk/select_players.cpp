#include "rosterdesk/select_players.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "rosterdesk/changrat.h"
#include "rosterdesk/form_parts.h"
#include "rosterdesk/player_lines.h"
#include "rosterdesk/qt_text.h"
#include "ui/fixed_list.h"
#include "ui/modal_form.h"

namespace newedit {

SelectPlayers::SelectPlayers(std::vector<lf::PlayerRecord>& players, int first, int count, QWidget* parent)
    : QDialog(parent), players_(players), first_(first), count_(count) {
    setObjectName(QStringLiteral("SelectPlayers"));
    setWindowTitle(QStringLiteral("Click Player To Edit Ratings"));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    addHeadings(layout, playerListHeadings(), this);
    list_ = new ui::FixedList(this, 72);
    list_->setObjectName(QStringLiteral("lstPlayers"));
    list_->setMinimumHeight(160);
    QPalette palette = list_->palette();
    palette.setColor(QPalette::Base, QColor(96, 140, 186));
    list_->setPalette(palette);
    layout->addWidget(list_);
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int slot = first_ + list_->row(item);
        Changrat form(players_[slot - 1], this);
        ui::showModal(form);
        fill();
    });
    auto* exit = plainButton(QStringLiteral("Exit"), QStringLiteral("cmdExit"), this);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    layout->addSpacing(6);
    layout->addWidget(exit);
    fill();
}

void SelectPlayers::fill() {
    list_->clear();
    for (int place = 1; place <= count_; ++place) {
        const lf::PlayerRecord& player = players_[first_ + place - 2];
        list_->addLine(fromFile(playerListLine(player, place)));
        // Injured players in black, the others in white.
        list_->item(place - 1)->setForeground(player.injury() > 0 ? Qt::black : Qt::white);
    }
}

}  // namespace newedit
