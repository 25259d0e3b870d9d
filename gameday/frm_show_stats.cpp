#include "gameday/frm_show_stats.h"

#include <QDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <QHBoxLayout>

#include "gameday/qtext.h"
#include "gameday/season/box_score.h"
#include "leaguefiles/box_log.h"
#include "ui/fixed_list.h"
#include "ui/modal_form.h"
#include "ui/print_dialog.h"
#include "ui/program.h"

namespace gameday {
namespace {

enum class Next { Exit, Toggle };

Next showView(const fb::GameState& g, const StatsContext& context, bool displayingEvents) {
    const QString caption = QString::fromLatin1(displayingEvents ? season::EventsCaption
                                                                 : season::BoxScoreCaption);
    const QStringList lines =
        qlines(displayingEvents ? season::gameEventsLines(g) : season::boxScoreLines(g));
    QDialog form(ui::backgroundWindow());
    form.setObjectName(QStringLiteral("frmShowStats"));
    form.setWindowTitle(caption);
    form.setWindowIcon(ui::suiteIcon());
    form.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(&form);
    auto* list = new ui::FixedList(&form);
    list->setObjectName(QStringLiteral("lstStats"));
    list->setLines(lines);
    list->setMinimumHeight(420);
    layout->addWidget(list);
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    auto button = [&](const char* name, const QString& text) {
        auto* b = new QPushButton(text, &form);
        b->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(b);
        return b;
    };
    QPushButton* plays = button("cmdPlays", displayingEvents ? QStringLiteral("Show Stats")
                                                              : QStringLiteral("Show Events"));
    QPushButton* print = button("cmdPrint", QStringLiteral("Print"));
    QPushButton* exitButton = button("cmdExit", QStringLiteral("Exit"));
    exitButton->setDefault(true);
    exitButton->setFocus();

    Next next = Next::Exit;
    QObject::connect(plays, &QPushButton::clicked, &form, [&] {
        next = Next::Toggle;
        form.accept();
    });
    QObject::connect(exitButton, &QPushButton::clicked, &form, &QDialog::accept);
    QObject::connect(print, &QPushButton::clicked, &form, [&] {
        const std::string name = displayingEvents ? lf::boxEventsName(context.season)
                                                  : lf::boxLogName(context.season);
        const QString file = QString::fromStdString((context.archive / name).string());
        ui::setPrintFile(file);
        const ui::PrintChoice choice = ui::askPrintTarget(file);
        ui::printReport(choice, caption, context.season, g.week, lines);
    });
    ui::showModal(form);
    return next;
}

}  // namespace

void showGameStatistics(const fb::GameState& g, const StatsContext& context, bool events) {
    while (showView(g, context, events) == Next::Toggle) events = !events;
}

}  // namespace gameday
