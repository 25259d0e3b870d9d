#include "commissioner/settings_window.h"

#include <QButtonGroup>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "commissioner/shown_text.h"
#include "ui/message_box.h"
#include "ui/modal_form.h"

namespace commish {
namespace {

QColor colourOf(BoxColour c) {
    switch (c) {
        case BoxColour::Blue: return QColor(0, 0, 200);
        case BoxColour::Red: return QColor(200, 0, 0);
        case BoxColour::Grey: break;
    }
    return QColor(128, 128, 128);
}

}  // namespace

std::optional<lf::League> runSettingsForm(const QString& caption, LeagueSettings form,
                                          const lf::League& base) {
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("Changlge"));
    dialog.setWindowTitle(caption);
    auto* grid = new QGridLayout(&dialog);

    auto* titleLabel = new QLabel(QStringLiteral("League Name:"), &dialog);
    titleLabel->setObjectName(QStringLiteral("lblTitle"));
    auto* title = new QLineEdit(shown(form.title), &dialog);
    title->setObjectName(QStringLiteral("txtTitle"));
    grid->addWidget(titleLabel, 0, 0);
    grid->addWidget(title, 0, 1, 1, 2);

    auto* teamsLabel = new QLabel(QStringLiteral("Teams:"), &dialog);
    teamsLabel->setObjectName(QStringLiteral("lblTeams"));
    auto* sizes = new QGroupBox(&dialog);
    sizes->setObjectName(QStringLiteral("fraTeams"));
    auto* sizeRow = new QHBoxLayout(sizes);
    auto* sizeGroup = new QButtonGroup(&dialog);
    for (size_t i = 0; i < SizeChoices.size(); ++i) {
        auto* option = new QRadioButton(QString::number(SizeChoices[i]), sizes);
        option->setObjectName(QStringLiteral("optTeams_%1").arg(i));
        option->setChecked(SizeChoices[i] == form.teams);
        option->setEnabled(!form.sizeLocked);
        sizeGroup->addButton(option, static_cast<int>(i));
        sizeRow->addWidget(option);
    }
    grid->addWidget(teamsLabel, 1, 0);
    grid->addWidget(sizes, 1, 1, 1, 2);

    auto* divisionsLabel = new QLabel(QStringLiteral("Divisions:"), &dialog);
    divisionsLabel->setObjectName(QStringLiteral("lblDivisions"));
    grid->addWidget(divisionsLabel, 2, 0);
    std::array<QLineEdit*, 8> boxes{};
    for (int i = 0; i < 8; ++i) {
        boxes[i] = new QLineEdit(&dialog);
        boxes[i]->setObjectName(QStringLiteral("txtDivision_%1").arg(i));
        grid->addWidget(boxes[i], 2 + i % 4, 1 + i / 4);
    }
    // The boxes show the form; typed names go back into it before every change of size.
    const auto show = [&] {
        for (int i = 0; i < 8; ++i) {
            boxes[i]->setText(shown(form.divisionNames[i]));
            boxes[i]->setEnabled(form.enabled[i]);
            QPalette palette = boxes[i]->palette();
            palette.setColor(QPalette::Text, colourOf(boxColour(form, i + 1)));
            boxes[i]->setPalette(palette);
        }
    };
    const auto take = [&] {
        form.title = stored(title->text());
        for (int i = 0; i < 8; ++i)
            if (form.enabled[i]) form.divisionNames[i] = stored(boxes[i]->text());
    };
    show();
    QObject::connect(sizeGroup, &QButtonGroup::idClicked, &dialog, [&](int id) {
        take();
        chooseSize(form, SizeChoices[static_cast<size_t>(id)]);
        show();
    });

    auto* save = new QPushButton(QStringLiteral("Save"), &dialog);
    save->setObjectName(QStringLiteral("cmdSave"));
    save->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    grid->addWidget(save, 6, 1);
    grid->addWidget(cancel, 6, 2);
    QObject::connect(save, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);

    if (ui::showModal(dialog) != QDialog::Accepted) return std::nullopt;
    take();
    const auto league = saveSettings(form, base);
    if (!league) ui::messageBox(QString::fromUtf8(NoSuchConfigurationMessage.data()));
    return league;
}

}  // namespace commish
