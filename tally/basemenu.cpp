#include "tally/basemenu.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "tally/leaders.h"
#include "ui/modal_form.h"

namespace stats {

QStringList mainMenuButtons() {
    return {QStringLiteral("Show Standings"),          QStringLiteral("Show Team Stats"),
            QStringLiteral("Show League *Off* Totals"), QStringLiteral("Show League *Def* Totals"),
            QStringLiteral("Show League Leaders"),     QStringLiteral("Show Entire League"),
            QStringLiteral("Exit"),                    QStringLiteral("New Season")};
}

QStringList leadersMenuButtons() {
    QStringList buttons;
    for (const auto& category : tally::leaderCategories())
        buttons.append(QString::fromStdString(category.caption));
    buttons.append(QStringLiteral("Exit"));
    return buttons;
}

Basemenu::Basemenu(const QString& caption, const QStringList& buttons, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Basemenu"));
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < buttons.size(); ++i) {
        auto* button = new QPushButton(buttons[i], this);
        button->setObjectName(QStringLiteral("Command1_%1").arg(i));
        button->setAutoDefault(false);
        button->setMinimumWidth(260);
        connect(button, &QPushButton::clicked, this, [this, i] {
            chosen_ = i;
            accept();
        });
        layout->addWidget(button);
    }
}

void Basemenu::setButtonEnabled(int index, bool enabled) {
    if (auto* button = findChild<QPushButton*>(QStringLiteral("Command1_%1").arg(index)))
        button->setEnabled(enabled);
}

int Basemenu::ask(int closedChoice) {
    chosen_ = closedChoice;
    ui::showModal(*this);
    return chosen_;
}

}  // namespace stats
