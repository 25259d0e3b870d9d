#include "gameday/forms.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gameday/qtext.h"
#include "ui/modal_form.h"
#include "ui/program.h"
#include "ui/timers.h"

namespace gameday {
namespace {

QDialog* newForm(QDialog& form, const char* name, const QString& caption) {
    form.setObjectName(QString::fromLatin1(name));
    form.setWindowTitle(caption);
    form.setWindowIcon(ui::suiteIcon());
    form.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    new QVBoxLayout(&form);
    return &form;
}

QLabel* addLabel(QDialog& form, const char* name, const QString& text) {
    auto* l = new QLabel(text, &form);
    l->setObjectName(QString::fromLatin1(name));
    form.layout()->addWidget(l);
    return l;
}

QPushButton* addButton(QDialog& form, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, &form);
    b->setObjectName(QString::fromLatin1(name));
    form.layout()->addWidget(b);
    return b;
}

// Option buttons named Option1_0, Option1_1, ...
std::vector<QRadioButton*> addOptions(QDialog& form, const QStringList& captions, int checked) {
    auto* group = new QButtonGroup(&form);
    std::vector<QRadioButton*> options;
    for (int i = 0; i < captions.size(); ++i) {
        auto* o = new QRadioButton(captions[i], &form);
        o->setObjectName(QStringLiteral("Option1_%1").arg(i));
        o->setChecked(i == checked);
        group->addButton(o, i);
        form.layout()->addWidget(o);
        options.push_back(o);
    }
    return options;
}

int checkedIndex(const std::vector<QRadioButton*>& options) {
    for (size_t i = 0; i < options.size(); ++i)
        if (options[i]->isChecked()) return static_cast<int>(i);
    return 0;
}

}  // namespace

void showWelcome(const QString& text) {
    QDialog form(ui::backgroundWindow());
    newForm(form, "frmTodaysGame", QStringLiteral("Welcome To The Veltran Football League"));
    addLabel(form, "lblWelcome", text);
    QPushButton* play = addButton(form, "cmdPlay", QStringLiteral("Play Game"));
    play->setDefault(true);
    QObject::connect(play, &QPushButton::clicked, &form, &QDialog::accept);
    ui::showModal(form);
}

int chooseOption(const QString& caption, const QStringList& captions, int preselected,
                 const QString& button) {
    QDialog form(ui::backgroundWindow());
    newForm(form, "Ccontrol", caption);
    const auto options = addOptions(form, captions, preselected);
    QPushButton* go = addButton(form, "Command1", button);
    go->setDefault(true);
    QObject::connect(go, &QPushButton::clicked, &form, &QDialog::accept);
    // Closing the form by its frame keeps the preselected choice.
    if (ui::showModal(form) != QDialog::Accepted) return preselected;
    return checkedIndex(options);
}

int selectCoaches(const QString& visitorName, const QString& homeName) {
    return chooseOption(QStringLiteral("Select Coaches"),
                        {QStringLiteral("HUMANS control both teams"),
                         QStringLiteral("COMPUTER controls ") + visitorName,
                         QStringLiteral("COMPUTER controls ") + homeName,
                         QStringLiteral("COMPUTER controls both teams")},
                        3, QStringLiteral("Play the Game"));
}

fb::ConversionAnswer conversionForm(const fb::ConversionView& v, bool changeControlOffered) {
    QDialog form(ui::backgroundWindow());
    newForm(form, "Extrapt", qtext(v.caption));
    addLabel(form, "Label2", qtext(v.label));
    const auto options = addOptions(
        form, {QStringLiteral("Extra Point"), QStringLiteral("2 Point Conversion")},
        v.preselected == 'S' ? 1 : 0);
    for (QRadioButton* o : options) o->setVisible(v.showOptions && v.conversionMode != 0);
    QPushButton* go = addButton(form, "Command1", qtext(v.command1Caption));
    go->setVisible(v.showCommand1);
    go->setDefault(true);
    QPushButton* change = addButton(form, "Command2", QStringLiteral("Change Control"));
    change->setVisible(v.showChangeControl && changeControlOffered);

    fb::ConversionAnswer answer;
    QObject::connect(go, &QPushButton::clicked, &form, &QDialog::accept);
    QTimer* timer = nullptr;
    if (v.closesItself)
        timer = ui::repeating(&form, 2000, [&] {
            if (!answer.changedControl) go->click();
        });
    QObject::connect(change, &QPushButton::clicked, &form, [&] {
        answer.changedControl = true;
        if (timer) timer->stop();
        for (QRadioButton* o : options) o->setVisible(v.conversionMode != 0);
        change->hide();
        go->show();
    });
    ui::showModal(form);
    answer.choice = checkedIndex(options) == 1 ? 'S' : 'D';
    return answer;
}

char kickoffForm(const fb::KickoffView& v) {
    QDialog form(ui::backgroundWindow());
    newForm(form, "Kickoff", qtext(v.caption));
    addLabel(form, "Label1", qtext(v.label));
    const auto options = addOptions(
        form, {QStringLiteral("Deep"), QStringLiteral("Squib"), QStringLiteral("Onside")}, 0);
    QPushButton* kick = addButton(form, "Command1", QStringLiteral("Kickoff"));
    kick->setDefault(true);
    QObject::connect(kick, &QPushButton::clicked, &form, &QDialog::accept);
    ui::showModal(form);
    return "DSO"[checkedIndex(options)];
}

bool penaltyForm(const fb::PenaltyView& v) {
    QDialog form(ui::backgroundWindow());
    newForm(form, "Penalty", QStringLiteral("PENALTY"));
    addLabel(form, "Label1", qtext(v.playText));
    addLabel(form, "Label2", qtext(v.description));
    // Clicking an option line is the decision; a computer's choice is the only line shown.
    const auto options = addOptions(form, {qtext(v.acceptText), qtext(v.declineText)}, -1);
    options[0]->setVisible(v.showAccept);
    options[1]->setVisible(v.showDecline);
    for (QRadioButton* o : options) QObject::connect(o, &QRadioButton::clicked, &form, &QDialog::accept);
    if (ui::showModal(form) != QDialog::Accepted) return v.showAccept;
    return options[0]->isChecked();
}

}  // namespace gameday
