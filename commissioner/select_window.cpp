#include "commissioner/select_window.h"

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "commissioner/league_selection.h"
#include "ui/modal_form.h"

namespace commish {

QString runSelectWindow(const std::filesystem::path& dir, const QString& current) {
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("Sel4leag"));
    dialog.setWindowTitle(QStringLiteral("Select A League"));
    auto* column = new QVBoxLayout(&dialog);
    auto* heading = new QLabel(QStringLiteral("Current League:"), &dialog);
    heading->setObjectName(QStringLiteral("lblHeading"));
    auto* chosen = new QLabel(current, &dialog);
    chosen->setObjectName(QStringLiteral("lblCurrent"));
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("lstLeagues"));
    for (const std::string& f : leagueFiles(dir)) list->addItem(QString::fromStdString(f));
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    column->addWidget(heading);
    column->addWidget(chosen);
    column->addWidget(list);
    column->addWidget(ok);
    // A selection, not the current row: the list makes its first row current when it takes
    // the focus, and that chooses nothing.
    QObject::connect(list, &QListWidget::itemSelectionChanged, chosen, [list, chosen] {
        const auto items = list->selectedItems();
        if (!items.isEmpty()) chosen->setText(items.first()->text());
    });
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    // Closing the window chooses nothing.
    if (ui::showModal(dialog) != QDialog::Accepted) return current;
    return chosen->text();
}

}  // namespace commish
