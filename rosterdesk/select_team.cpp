#include "rosterdesk/select_team.h"

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include "rosterdesk/qt_text.h"
#include "rosterdesk/team_order.h"
#include "ui/modal_form.h"

namespace newedit {

int selectTeam(const std::vector<std::string>& names, const std::vector<int>& order) {
    QDialog window;
    window.setObjectName(QStringLiteral("Selteam"));
    window.setWindowTitle(QStringLiteral("Select Team"));
    auto* list = new QComboBox(&window);
    list->setObjectName(QStringLiteral("cboTeam"));
    for (const std::string& entry : chooserEntries(names, order)) list->addItem(fromFile(entry));
    list->setCurrentIndex(0);
    auto* ok = new QPushButton(QStringLiteral("OK"), &window);
    ok->setObjectName(QStringLiteral("cmdOK"));
    QObject::connect(ok, &QPushButton::clicked, &window, &QDialog::accept);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(list);
    layout->addWidget(ok);
    if (ui::showModal(window) != QDialog::Accepted) return 0;
    return chosenTeam(order, list->currentIndex());
}

}  // namespace newedit
