#include "gameday/scorebrd.h"

#include <QGroupBox>

#include "gameday/engine/texts.h"
#include "gameday/help_lists.h"
#include "gameday/qtext.h"
#include "ui/program.h"

namespace gameday {

// Lines the play-text area keeps; older ones scroll away.
constexpr int PlayTextLines = 12;

QLabel* Scorebrd::label(const char* name, const QString& text, int x, int y, int w) {
    auto* l = new QLabel(text, this);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(x, y, w, 22);
    return l;
}

Scorebrd::Scorebrd() {
    setObjectName(QStringLiteral("Scorebrd"));
    setWindowTitle(QStringLiteral("KRO Scoreboard"));
    setWindowIcon(ui::suiteIcon());
    setFixedSize(1240, 520);
    visitor_ = label("lblVisitor", QStringLiteral("Visitor"), 10, 10, 220);
    home_ = label("lblHome", QStringLiteral("Home"), 10, 36, 220);
    visitorScore_ = label("lblVisitorScore", QStringLiteral("0"), 240, 10, 50);
    homeScore_ = label("lblHomeScore", QStringLiteral("0"), 240, 36, 50);
    label("lblDownCaption", QStringLiteral(" Down"), 300, 10, 50);
    down_ = label("lblDown", QStringLiteral("1"), 300, 36, 50);
    label("lblYTGCaption", QStringLiteral(" YTG"), 360, 10, 50);
    ytg_ = label("lblYTG", QStringLiteral("10"), 360, 36, 50);
    label("lblTimeCaption", QStringLiteral("Time:"), 420, 10, 60);
    time_ = label("lblTime", QStringLiteral("15:00"), 420, 36, 60);
    label("lblQTRCaption", QStringLiteral(" QTR"), 490, 10, 50);
    quarter_ = label("lblQTR", QStringLiteral("1"), 490, 36, 50);
    label("lblBallOnCaption", QStringLiteral("Ball on"), 10, 66, 60);
    ballOn_ = label("lblBallOn", QStringLiteral("50"), 80, 66, 220);

    auto* weather = new QGroupBox(QStringLiteral("Weather Conditions"), this);
    weather->setObjectName(QStringLiteral("fraWeather"));
    weather->setGeometry(10, 96, 300, 110);
    auto inWeather = [&](const char* name, int y) {
        auto* l = new QLabel(weather);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(10, y, 280, 20);
        return l;
    };
    stadium_ = inWeather("lblStadium", 20);
    temperature_ = inWeather("lblTemperature", 42);
    precipitation_ = inWeather("lblPrecipitation", 64);
    wind_ = inWeather("lblWind", 86);

    auto* coaches = new QGroupBox(QStringLiteral("Head Coaches"), this);
    coaches->setObjectName(QStringLiteral("fraCoaches"));
    coaches->setGeometry(320, 66, 310, 140);
    coaches_ = new QLabel(coaches);
    coaches_->setObjectName(QStringLiteral("lblCoaches"));
    coaches_->setGeometry(10, 16, 290, 118);
    coaches_->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    playText_ = new ui::FixedList(this, 56);
    playText_->setObjectName(QStringLiteral("pctPlay"));
    playText_->setGeometry(10, 216, 620, 294);

    const auto help = [&](const char* name, const std::vector<std::string_view>& text) {
        auto* list = new ui::FixedList(this, 70);
        list->setObjectName(QString::fromLatin1(name));
        QStringList lines;
        for (std::string_view line : text) lines << QString::fromLatin1(line.data(), static_cast<int>(line.size()));
        list->setLines(lines);
        list->setGeometry(640, 10, 590, 470);
        list->hide();
        return list;
    };
    offenseHelp_ = help("lstOffenseHelp", offenseHelp());
    defenseHelp_ = help("lstDefenseHelp", defenseHelp());
    callHelp_ = label("lblCallHelp", {}, 640, 488, 590);
    callHelp_->hide();
}

void Scorebrd::showHelp(bool offense) {
    offenseHelp_->setVisible(offense);
    defenseHelp_->setVisible(!offense);
    const std::string_view line = offense ? OffenseCallHelp : DefenseCallHelp;
    callHelp_->setText(QString::fromLatin1(line.data(), static_cast<int>(line.size())));
    callHelp_->show();
}

void Scorebrd::hideHelp() {
    offenseHelp_->hide();
    defenseHelp_->hide();
    callHelp_->hide();
}

void Scorebrd::open(const fb::GameState& g, const QString& title) {
    setWindowTitle(title);
    const fb::Side& v = g.side[fb::kVisitor];
    const fb::Side& h = g.side[fb::kHome];
    QString stadium = qtext(g.weather.stadium).trimmed();
    stadium_->setText(stadium);
    coaches_->setText(QStringList{QString(), qtext(v.coach).trimmed(),
                                  QStringLiteral(" of the ") + qtext(v.name).trimmed(),
                                  QStringLiteral("vs."), qtext(h.coach).trimmed(),
                                  QStringLiteral(" of the ") + qtext(h.name).trimmed()}
                          .join(QLatin1Char('\n')));
    clearPlayText();
    printPlayText("Welcome to the");
    printPlayText("VELTRAN FOOTBALL LEAGUE");
    refresh(g);
}

void Scorebrd::refresh(const fb::GameState& g) {
    const fb::ScoreboardView view = fb::scoreboardView(g);
    visitor_->setText(qtext(view.visitorLabel));
    home_->setText(qtext(view.homeLabel));
    visitorScore_->setText(QString::number(view.visitorScore));
    homeScore_->setText(QString::number(view.homeScore));
    down_->setText(QString::number(view.down));
    ytg_->setText(QString::number(view.yardsToGo));
    time_->setText(qtext(view.time));
    ballOn_->setText(qtext(view.ballOn));
    quarter_->setText(QString::number(view.quarter));
    wind_->setText(qtext(view.wind));
    precipitation_->setText(qtext(view.precipitation));
    temperature_->setText(qtext(view.temperature));
    ui::stayResponsive();
}

void Scorebrd::printPlayText(const std::string& text) {
    const int column = fb::playTextColumn(text);
    playText_->addLine(QString(std::max(column, 0), QLatin1Char(' ')) + qtext(text));
    while (playText_->count() > PlayTextLines) delete playText_->takeItem(0);
    playText_->scrollToBottom();
    ui::stayResponsive();
}

void Scorebrd::clearPlayText() { playText_->clear(); }

}  // namespace gameday
