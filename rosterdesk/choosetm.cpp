#include "rosterdesk/choosetm.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "rosterdesk/form_parts.h"
#include "rosterdesk/player_lines.h"
#include "rosterdesk/qt_text.h"
#include "ui/fixed_list.h"
#include "ui/print_dialog.h"

namespace newedit {

Choosetm::Choosetm(const QString& caption, const std::vector<lf::PlayerRecord>& players, int season,
                   const QString& rosterFile, QWidget* parent)
    : QDialog(parent), season_(season), rosterFile_(rosterFile) {
    setObjectName(QStringLiteral("Choosetm"));
    setWindowTitle(caption);
    ui::setPrintFile(rosterFile);
    for (const lf::PlayerRecord& player : players) lines_.append(fromFile(rosterLine(player)));

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    addHeadings(layout, rosterHeadings(), this);
    auto* list = new ui::FixedList(this, 70);
    list->setObjectName(QStringLiteral("lstRoster"));
    list->setLines(lines_);
    list->setMinimumHeight(440);
    layout->addWidget(list);

    auto* print = plainButton(QStringLiteral("Print"), QStringLiteral("cmdPrint"), this);
    auto* ok = plainButton(QStringLiteral("OK"), QStringLiteral("cmdOK"), this);
    connect(print, &QPushButton::clicked, this, &Choosetm::PrintRoutine);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addWidget(ok);
    buttons->addStretch();
    layout->addSpacing(6);
    layout->addLayout(buttons);
}

void Choosetm::PrintRoutine() {
    const ui::PrintChoice choice = ui::askPrintTarget(rosterFile_);
    ui::printReport(choice, windowTitle(), season_, std::nullopt, lines_);
}

}  // namespace newedit
