#include "rosterdesk/changrat.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include "rosterdesk/form_parts.h"
#include "rosterdesk/qt_text.h"
#include "rosterdesk/ratings_form.h"

namespace newedit {

namespace {

// A slider with its value shown beside it, on one row of the grid.
QSlider* addSlider(QGridLayout* grid, int row, const QString& label, const QString& name, int max,
                   int value) {
    QWidget* parent = grid->parentWidget();
    grid->addWidget(new QLabel(label, parent), row, 0);
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(name);
    slider->setRange(0, max);
    slider->setPageStep(1);
    slider->setValue(value);
    auto* shown = new QLabel(QString::number(value), parent);
    shown->setObjectName(QStringLiteral("lbl") + name.mid(3));
    shown->setMinimumWidth(30);
    QObject::connect(slider, &QSlider::valueChanged, shown, [shown](int v) { shown->setText(QString::number(v)); });
    grid->addWidget(slider, row, 1);
    grid->addWidget(shown, row, 2);
    return slider;
}

}  // namespace

Changrat::Changrat(lf::PlayerRecord& player, QWidget* parent) : QDialog(parent), player_(player) {
    setObjectName(QStringLiteral("Changrat"));
    setWindowTitle(QStringLiteral("Change Player Data"));
    const RatingsForm form = ratingsFormOf(player);
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(QStringLiteral("Position"), this), 0, 0);
    auto* position = new QLabel(fromFile(form.position), this);
    position->setObjectName(QStringLiteral("lblPosition"));
    grid->addWidget(position, 0, 1);

    first_ = new QLineEdit(fromFile(form.firstName), this);
    first_->setObjectName(QStringLiteral("txtFirstName"));
    last_ = new QLineEdit(fromFile(form.lastName), this);
    last_->setObjectName(QStringLiteral("txtLastName"));
    grid->addWidget(new QLabel(QStringLiteral("First Name"), this), 1, 0);
    grid->addWidget(first_, 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Last Name"), this), 2, 0);
    grid->addWidget(last_, 2, 1, 1, 2);

    injury_ = addSlider(grid, 3, QStringLiteral("Injured (Qtrs)"), QStringLiteral("sldInjury"), MaxInjury, form.injury);
    connect(injury_, &QSlider::valueChanged, this, [this] { injuryMoved_ = true; });
    years_ = addSlider(grid, 4, QStringLiteral("Years"), QStringLiteral("sldYears"), MaxYears, form.years);
    for (int p = 1; p <= lf::rating::Count; ++p) {
        const auto label = lf::rating::label(p);
        ratings_[p - 1] = addSlider(grid, 4 + p, QString::fromUtf8(label.data(), label.size()),
                                    QStringLiteral("sldRating_%1").arg(p - 1), MaxRating, form.ratings[p - 1]);
    }

    // Enter moves on from the first name to the last name, and from there to the years.
    connect(first_, &QLineEdit::returnPressed, last_, [this] { last_->setFocus(); });
    connect(last_, &QLineEdit::returnPressed, years_, [this] { years_->setFocus(); });
    first_->installEventFilter(this);
    last_->installEventFilter(this);

    auto* exit = plainButton(QStringLiteral("Exit"), QStringLiteral("cmdExit"), this);
    connect(exit, &QPushButton::clicked, this, &Changrat::reject);
    grid->addWidget(exit, 5 + lf::rating::Count, 0, 1, 3);
}

bool Changrat::eventFilter(QObject* watched, QEvent* event) {
    // Entering a text box selects its whole text (after the click has placed the cursor).
    if (event->type() == QEvent::FocusIn)
        if (auto* box = qobject_cast<QLineEdit*>(watched)) QTimer::singleShot(0, box, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

void Changrat::reject() {
    RatingsForm form;
    form.position = player_.position();
    form.firstName = toFile(first_->text());
    form.lastName = toFile(last_->text());
    form.injury = injury_->value();
    form.injuryMoved = injuryMoved_;
    form.years = years_->value();
    for (int p = 0; p < lf::rating::Count; ++p) form.ratings[p] = ratings_[p]->value();
    applyRatingsForm(player_, form);
    QDialog::reject();
}

}  // namespace newedit
