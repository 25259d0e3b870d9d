#include "gameday/pickteam.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QGridLayout>

#include "gameday/qtext.h"
#include "ui/fixed_list.h"
#include "ui/modal_form.h"
#include "ui/program.h"

namespace gameday {
namespace {

QPushButton* addButton(QDialog& form, QLayout* layout, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, &form);
    b->setObjectName(QString::fromLatin1(name));
    layout->addWidget(b);
    return b;
}

}  // namespace

std::optional<season::GameChoice> pickLeagueGame(season::SeasonLeague& lg,
                                                 season::WeekDisplay& display,
                                                 const season::ShowMessage& show,
                                                 lf::Random& random) {
    QDialog form(ui::backgroundWindow());
    form.setObjectName(QStringLiteral("Pickteam"));
    form.setWindowIcon(ui::suiteIcon());
    form.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(&form);
    auto* heading = new QLabel(&form);
    heading->setObjectName(QStringLiteral("Label1_0"));
    heading->setFont(ui::fixedFont(10));
    layout->addWidget(heading);
    std::vector<QPushButton*> lines;
    const int slotCount = lg.league.teams / 2;
    std::optional<season::GameChoice> chosen;
    for (int g = 1; g <= slotCount; ++g) {
        const std::string name = "Label1_" + std::to_string(g);
        QPushButton* line = addButton(form, layout, name.c_str(), {});
        line->setFlat(true);
        line->setAutoDefault(false);
        line->setFont(ui::fixedFont(10));
        QObject::connect(line, &QPushButton::clicked, &form, [&, g] {
            chosen = season::chooseGame(lg, display, g);
            if (chosen) form.accept();
        });
        lines.push_back(line);
    }
    QPushButton* next = addButton(form, layout, "cmdPlayNext", QStringLiteral("Play Next Game"));
    QPushButton* prior = addButton(form, layout, "cmdPrior", QStringLiteral("Prior Weeks"));
    QPushButton* future = addButton(form, layout, "cmdFuture", QStringLiteral("Future Weeks"));
    QPushButton* cancel = addButton(form, layout, "cmdCancel", QStringLiteral("Cancel"));
    for (QPushButton* b : {prior, future, cancel}) b->setAutoDefault(false);
    next->setDefault(true);

    const auto redisplay = [&] {
        form.setWindowTitle(qtext(display.view.caption));
        heading->setText(qtext(display.view.heading));
        for (int g = 1; g <= slotCount; ++g) {
            const bool exists = g <= static_cast<int>(display.view.lines.size());
            const season::GameLine line = exists ? display.view.lines[g - 1] : season::GameLine{};
            lines[g - 1]->setText(qtext(line.text));
            lines[g - 1]->setEnabled(line.selectable);
        }
        const bool shown = season::weekButtonsShown(lg, display);
        prior->setVisible(shown);
        future->setVisible(shown);
    };
    QObject::connect(next, &QPushButton::clicked, &form, [&] {
        chosen = season::chooseNextGame(lg, display);
        if (chosen) form.accept();
    });
    QObject::connect(prior, &QPushButton::clicked, &form, [&] {
        season::showPriorWeek(lg, display, show, random);
        redisplay();
    });
    QObject::connect(future, &QPushButton::clicked, &form, [&] {
        season::showFutureWeek(lg, display, show, random);
        redisplay();
    });
    QObject::connect(cancel, &QPushButton::clicked, &form, &QDialog::reject);
    redisplay();
    ui::showModal(form);
    return chosen;
}

std::optional<season::GameChoice> pickExhibition(const season::SeasonLeague& lg,
                                                 lf::Random& random) {
    const season::TeamNames names = season::readTeamNames(lg);
    const std::vector<int> order = season::exhibitionOrder(names);
    QDialog form(ui::backgroundWindow());
    form.setObjectName(QStringLiteral("Exhibition"));
    form.setWindowTitle(QStringLiteral("Exhibition Game"));
    form.setWindowIcon(ui::suiteIcon());
    form.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QGridLayout(&form);
    auto list = [&](const char* name, const QString& label, int row) {
        auto* l = new QLabel(label, &form);
        layout->addWidget(l, row, 0);
        auto* combo = new QComboBox(&form);
        combo->setObjectName(QString::fromLatin1(name));
        for (int t : order) combo->addItem(qtext(names[t]));
        combo->setCurrentIndex(-1);
        layout->addWidget(combo, row, 1);
        return combo;
    };
    QComboBox* visitor = list("cboVis", QStringLiteral("Visitor"), 0);
    QComboBox* home = list("cbohome", QStringLiteral("Home"), 1);
    auto* play = new QPushButton(QStringLiteral("Play Game"), &form);
    play->setObjectName(QStringLiteral("cmdPlay"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), &form);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    layout->addWidget(play, 2, 0);
    layout->addWidget(cancel, 2, 1);
    QObject::connect(play, &QPushButton::clicked, &form, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &form, &QDialog::reject);
    if (ui::showModal(form) != QDialog::Accepted) return std::nullopt;
    const auto team = [&](QComboBox* c) {
        return c->currentIndex() >= 0 ? order[static_cast<size_t>(c->currentIndex())] : 0;
    };
    return season::exhibitionGame(team(visitor), team(home), names, lg.league.weeks, random);
}

}  // namespace gameday
