#include "commissioner/name_dialog.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "commissioner/league_name.h"
#include "commissioner/league_selection.h"
#include "ui/message_box.h"
#include "ui/modal_form.h"

namespace commish {

std::optional<ChosenName> runNameDialog(const std::filesystem::path& dir) {
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("Lgesave"));
    dialog.setWindowTitle(QStringLiteral("Save New League"));
    auto* grid = new QGridLayout(&dialog);
    auto* saveAsLabel = new QLabel(QStringLiteral("Save As:"), &dialog);
    saveAsLabel->setObjectName(QStringLiteral("lblSaveAs"));
    auto* saveAs = new QLineEdit(&dialog);
    saveAs->setObjectName(QStringLiteral("txtSaveAs"));
    auto* listLabel = new QLabel(QStringLiteral("Current Leagues"), &dialog);
    listLabel->setObjectName(QStringLiteral("lblCurrentLeagues"));
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("lstLeagues"));
    const std::vector<std::string> files = leagueFiles(dir);
    for (const std::string& f : files) list->addItem(QString::fromStdString(f));
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    grid->addWidget(saveAsLabel, 0, 0);
    grid->addWidget(saveAs, 1, 0);
    grid->addWidget(listLabel, 2, 0);
    grid->addWidget(list, 3, 0);
    grid->addWidget(ok, 1, 1);
    grid->addWidget(cancel, 2, 1);

    // Choosing a listed league offers its name, to replace it.
    QObject::connect(list, &QListWidget::itemSelectionChanged, &dialog, [list, saveAs] {
        const auto items = list->selectedItems();
        if (!items.isEmpty()) saveAs->setText(items.first()->text().section(QLatin1Char('.'), 0, 0));
    });

    ChosenName chosen;
    const auto retry = [saveAs] {
        saveAs->clear();
        saveAs->setFocus();
    };
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&] {
        const auto name = leagueNameFrom(saveAs->text().toStdString());
        if (!name) {
            ui::messageBox(QString::fromUtf8(IllegalNameMessage.data()), ui::Buttons::Ok,
                           QStringLiteral("KRO"));
            retry();
            return;
        }
        chosen = {*name, false};
        if (leagueExists(dir, *name)) {
            if (ui::messageBox(QStringLiteral("File Exists.  Overwrite (Y/N)?"), ui::Buttons::YesNo,
                               QStringLiteral("KRO")) != ui::Answer::Yes) {
                retry();
                return;
            }
            // The old files are replaced only once the new league is complete.
            chosen.overwrite = true;
        }
        dialog.accept();
    });
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    saveAs->setFocus();
    if (ui::showModal(dialog) != QDialog::Accepted) return std::nullopt;
    return chosen;
}

}  // namespace commish
