#include "rosterdesk/editteam.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "rosterdesk/form_parts.h"
#include "rosterdesk/qt_text.h"
#include "rosterdesk/save_question.h"
#include "rosterdesk/team_form.h"

namespace newedit {

namespace {

struct TextBox {
    const char* label;
    const char* name;
    std::string TeamForm::*field;
};
const std::array<TextBox, 5> textBoxes = {{
    {"Location:", "txtLocation", &TeamForm::city},
    {"Nickname:", "txtNickname", &TeamForm::nickname},
    {"Abbreviation:", "txtAbbreviation", &TeamForm::code},
    {"Stadium:", "txtStadium", &TeamForm::stadium},
    {"Head Coach:", "txtCoach", &TeamForm::coach},
}};

struct SliderRow {
    const char* label;
    const char* name;
};
const std::array<SliderRow, SettingCount> sliderRows = {{
    {"", "sldSurface"},
    {"Temperature:", "sldTemperature"},
    {"Wind:", "sldWind"},
    {"Precipitation:", "sldPrecipitation"},
    {"Offensive Style:", "sldOffense"},
    {"Defensive Style:", "sldDefense"},
}};

}  // namespace

Editteam::Editteam(const lf::TeamRecord& team, std::function<void(const lf::TeamRecord&)> save,
                   QWidget* parent)
    : QDialog(parent), team_(team), save_(std::move(save)) {
    setObjectName(QStringLiteral("Editteam"));
    setWindowTitle(QStringLiteral("Edit Team Data"));
    const TeamForm form = teamFormOf(team);
    auto* grid = new QGridLayout(this);
    int row = 0;
    for (size_t i = 0; i < textBoxes.size(); ++i, ++row) {
        const TextBox& box = textBoxes[i];
        grid->addWidget(new QLabel(QString::fromUtf8(box.label), this), row, 0);
        texts_[i] = new QLineEdit(fromFile(form.*box.field), this);
        texts_[i]->setObjectName(QString::fromUtf8(box.name));
        grid->addWidget(texts_[i], row, 1, 1, 2);
    }
    for (int p = 1; p <= SettingCount; ++p, ++row) {
        const SettingRange& range = settingRange(p);
        const SliderRow& r = sliderRows[p - 1];
        grid->addWidget(new QLabel(QString::fromUtf8(r.label), this), row, 0);
        QSlider* slider = sliders_[p - 1] = new QSlider(Qt::Horizontal, this);
        slider->setObjectName(QString::fromUtf8(r.name));
        slider->setRange(range.min, range.max);
        slider->setPageStep(1);
        slider->setValue(form.settings[p - 1]);
        QLabel* name = names_[p - 1] = new QLabel(this);
        name->setObjectName(QStringLiteral("lblSetting_%1").arg(p - 1));
        name->setMinimumWidth(150);
        name->setText(QString::fromStdString(settingName(p, slider->value())));
        connect(slider, &QSlider::valueChanged, name,
                [name, p](int v) { name->setText(QString::fromStdString(settingName(p, v))); });
        grid->addWidget(slider, row, 1);
        grid->addWidget(name, row, 2);
    }
    auto* exit = plainButton(QStringLiteral("Exit"), QStringLiteral("cmdExit"), this);
    connect(exit, &QPushButton::clicked, this, &Editteam::reject);
    grid->addWidget(exit, row, 0, 1, 3);
}

lf::TeamRecord Editteam::edited() const {
    TeamForm form;
    for (size_t i = 0; i < textBoxes.size(); ++i) form.*textBoxes[i].field = toFile(texts_[i]->text());
    for (int p = 0; p < SettingCount; ++p) form.settings[p] = sliders_[p]->value();
    lf::TeamRecord team = team_;
    applyTeamForm(team, form);
    return team;
}

void Editteam::reject() {
    if (closeWithSaveQuestion([this] { save_(edited()); })) QDialog::reject();
}

}  // namespace newedit
