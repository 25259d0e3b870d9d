// The conversion form inside the test process: Timer1 closes it for the computer, and
// "Change Control" stops the timer and lets a person choose.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdlib>

#include "gameday/forms.h"
#include "ui/tests/test_support.h"

namespace {

fb::ConversionView computerTry() {
    fb::ConversionView v;
    v.caption = "TOUCHDOWN";
    v.label = "Rams score";
    v.conversionMode = 1;
    v.showOptions = false;
    v.preselected = 'S';
    v.command1Caption = "Continue";
    v.showCommand1 = false;
    v.showChangeControl = true;
    v.closesItself = true;
    return v;
}

// Runs the form with check() called once it is shown; the form is closed if check() fails.
fb::ConversionAnswer runForm(const fb::ConversionView& v, bool changeControlOffered,
                             const std::function<void(QWidget&)>& check) {
    uitest::program();
    QTimer::singleShot(0, [&] {
        QWidget* form = QApplication::activeModalWidget();
        ASSERT_NE(form, nullptr);
        check(*form);
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &uitest::closeOpenModals);
    guard.start(20000);
    return gameday::conversionForm(v, changeControlOffered);
}

TEST(Extrapt, Timer1ClosesTheComputersFormWithItsChoice) {
    ::setenv("VELTRAN_TIMER_SCALE", "0.01", 1);
    bool changeShown = true;
    const fb::ConversionAnswer answer = runForm(computerTry(), false, [&](QWidget& form) {
        changeShown = form.findChild<QPushButton*>(QStringLiteral("Command2"))->isVisible();
    });
    EXPECT_FALSE(changeShown);  // hidden by custom.dat
    EXPECT_EQ(answer.choice, 'S');
    EXPECT_FALSE(answer.changedControl);
}

TEST(Extrapt, ChangeControlStopsTheTimerAndAPersonChooses) {
    // Long enough that Timer1 would fire while the form waits below.
    ::setenv("VELTRAN_TIMER_SCALE", "0.05", 1);
    bool optionsShown = false, continueShown = false, openPastTimer = false;
    const fb::ConversionAnswer answer = runForm(computerTry(), true, [&](QWidget& form) {
        auto* change = form.findChild<QPushButton*>(QStringLiteral("Command2"));
        ASSERT_TRUE(change->isVisible());
        change->click();
        auto* go = form.findChild<QPushButton*>(QStringLiteral("Command1"));
        auto* extraPoint = form.findChild<QRadioButton*>(QStringLiteral("Option1_0"));
        optionsShown = extraPoint->isVisible();
        continueShown = go->isVisible() && !change->isVisible();
        extraPoint->click();
        // Past Timer1's interval the form is still open for the person.
        QTimer::singleShot(300, &form, [&openPastTimer, f = &form, go] {
            openPastTimer = f->isVisible();
            go->click();
        });
    });
    EXPECT_TRUE(optionsShown);
    EXPECT_TRUE(continueShown);
    EXPECT_TRUE(openPastTimer);
    EXPECT_EQ(answer.choice, 'D');
    EXPECT_TRUE(answer.changedControl);
}

}  // namespace
