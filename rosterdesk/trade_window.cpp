#include "rosterdesk/trade_window.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "leaguefiles/depth_chart.h"
#include "leaguefiles/error.h"
#include "rosterdesk/form_parts.h"
#include "rosterdesk/player_lines.h"
#include "rosterdesk/qt_text.h"
#include "rosterdesk/save_question.h"
#include "ui/fixed_list.h"
#include "ui/message_box.h"

namespace newedit {

namespace {
const QString title = QStringLiteral("KRO");
// Position choices: the first nine on the first row.
constexpr int FirstRow = 9;
}  // namespace

TradeWindow::TradeWindow(const LeagueStore& store, const std::vector<lf::TeamRecord>& teams, QWidget* parent)
    : QDialog(parent), store_(store), teams_(teams) {
    setObjectName(QStringLiteral("Trade"));
    setWindowTitle(QStringLiteral("Trade Player"));
    auto* layout = new QVBoxLayout(this);
    auto* options = new QGridLayout;
    const auto& groups = lf::slotGroups();
    for (int i = 0; i < int(groups.size()); ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(groups[i].code.data(), groups[i].code.size()), this);
        option->setObjectName(QStringLiteral("optPosition_%1").arg(i));
        option->setChecked(i == 0);
        connect(option, &QRadioButton::clicked, this, [this, i] { choosePosition(i); });
        options->addWidget(option, i / FirstRow, i % FirstRow);
    }
    layout->addLayout(options);
    addHeadings(layout, tradeHeadings(), this);
    view_ = new ui::FixedList(this, 72);
    view_->setObjectName(QStringLiteral("lstTrade"));
    view_->setMinimumHeight(320);
    connect(view_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        pickLine(boxes_, list_.lines[view_->row(item)]);
        showBoxes();
    });
    layout->addWidget(view_);

    auto* boxes = new QHBoxLayout;
    first_ = new QLineEdit(this);
    first_->setObjectName(QStringLiteral("txtTrade_0"));
    second_ = new QLineEdit(this);
    second_->setObjectName(QStringLiteral("txtTrade_1"));
    for (QLineEdit* box : {first_, second_}) {
        box->setReadOnly(true);
        box->setFont(ui::fixedFont());
        box->installEventFilter(this);
    }
    boxes->addWidget(first_);
    boxes->addWidget(new QLabel(QStringLiteral("for"), this));
    boxes->addWidget(second_);
    layout->addLayout(boxes);

    auto* make = plainButton(QStringLiteral("Make Trade"), QStringLiteral("cmdMakeTrade"), this);
    auto* exit = plainButton(QStringLiteral("Exit"), QStringLiteral("cmdExit"), this);
    connect(make, &QPushButton::clicked, this, &TradeWindow::makeTrade);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(make);
    buttons->addWidget(exit);
    buttons->addStretch();
    layout->addLayout(buttons);
    choosePosition(0);
}

void TradeWindow::choosePosition(int index) {
    position_ = index;
    view_->clear();
    boxes_ = {};
    showBoxes();
    list_ = {};
    try {
        list_ = tradeList(teams_, store_.readPosition(std::string(lf::slotGroups()[index].code)));
    } catch (const lf::FileError& e) {
        showFailure(e.what());
    }
    for (const std::string& line : list_.lines) view_->addLine(fromFile(line));
}

void TradeWindow::showBoxes() {
    first_->setText(fromFile(boxes_.first));
    second_->setText(fromFile(boxes_.second));
}

bool TradeWindow::eventFilter(QObject* watched, QEvent* event) {
    // A double-click on a selection box empties it.
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == first_) boxes_.first.clear();
        if (watched == second_) boxes_.second.clear();
        showBoxes();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TradeWindow::makeTrade() {
    if (const auto refusal = tradeRefusal(boxes_)) {
        ui::messageBox(fromFile(*refusal), ui::Buttons::Ok, title);
        return;
    }
    const int a = findLine(list_, boxes_.first);
    const int b = findLine(list_, boxes_.second);
    if (a < 0 || b < 0) return;
    const QString question = fromFile(tradeQuestion(list_.lines[a], list_.lines[b]));
    if (ui::messageBox(question, ui::Buttons::YesNo, title) != ui::Answer::Yes) {
        ui::messageBox(QStringLiteral("Trade cancelled!"), ui::Buttons::Ok, title);
        boxes_ = {};
        showBoxes();
        return;
    }
    // The acceptance is announced once the player file holds the trade.
    try {
        store_.exchangePlayers(list_.records[a], list_.records[b]);
        ui::messageBox(QStringLiteral("Trade accepted!"), ui::Buttons::Ok, title);
    } catch (const lf::FileError& e) {
        showFailure(e.what());
    }
    // The list is read again; it keeps the traded position.
    choosePosition(position_);
}

}  // namespace newedit
