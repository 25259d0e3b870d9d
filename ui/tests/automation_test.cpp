// The automation server's protocol details: the private folder, stale sockets, errors,
// lists and drop-downs, topmost.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>

#include "ui/automation_client.h"
#include "ui/automation_folder.h"
#include "ui/message_box.h"
#include "ui/modal_form.h"
#include "ui/program.h"
#include "ui/tests/process_support.h"
#include "ui/tests/test_support.h"

namespace {

namespace au = ui::automation;

TEST(Automation, PrivateFolderAndStaleSocketsRemoved) {
    uitest::program();
    struct stat info {};
    ASSERT_EQ(stat(ui::automationFolder().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    // A socket file left by a process that is gone.
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    const std::string stale = ui::automationFolder() + "/" + std::to_string(child) + ".sock";
    std::ofstream{stale};
    ASSERT_TRUE(std::filesystem::exists(stale));
    uitest::serveWhile([] { EXPECT_FALSE(au::listWindows().empty()); });
    EXPECT_FALSE(std::filesystem::exists(stale));
}

TEST(Automation, AnsweredDuringALongComputationThatStaysResponsive) {
    uitest::program();
    std::atomic<bool> answered = false;
    std::thread client([&] { answered = !au::listWindows().empty(); });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!answered && std::chrono::steady_clock::now() < deadline) ui::stayResponsive();
    client.join();
    EXPECT_TRUE(answered);
}

TEST(Automation, KeysAfterOneThatOpensAModalWindowGoToThatWindow) {
    uitest::program();
    QString call, answer;
    uitest::withClient(
        [] {
            const auto form = au::waitForWindow("Make Call", 10000, "form");
            ASSERT_TRUE(form);
            EXPECT_TRUE(au::sendKeys(*form, "1221{ENTER}yes~").ok);
        },
        [&] {
            QDialog form;
            form.setWindowTitle("Make Call");
            auto* box = new QLineEdit(&form);
            box->setObjectName("txtCall");
            new QVBoxLayout(&form);
            form.layout()->addWidget(box);
            QObject::connect(box, &QLineEdit::returnPressed, [&] {
                call = box->text();
                answer = ui::inputBox("Sure?", "Confirm").value_or("(cancelled)");
                form.accept();
            });
            box->setFocus();
            return ui::showModal(form);
        });
    EXPECT_EQ(call, QString("1221"));
    EXPECT_EQ(answer, QString("yes"));
}

// A form with a list, a drop-down and a text box; what the client chose, read back after OK.
struct Chosen {
    int row = -1, clicked = -1, doubled = -1, combo = -1;
    QString text, selectedText;
};

TEST(Automation, ListsDropDownsTextsAndErrors) {
    uitest::program();
    const Chosen chosen = uitest::withClient(
        [] {
            auto form = au::waitForWindow("Pick Team", 10000, "form");
            ASSERT_TRUE(form);
            EXPECT_EQ(form->name, "Pickteam");
            const au::Control* list = au::findControl(*form, "lstTeams");
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(list->items, (std::vector<std::string>{"Lakeport", "Brandon", "Corvale"}));
            EXPECT_TRUE(au::select(*form, "lstTeams", 2).ok);
            EXPECT_TRUE(au::select(*form, "cboWeek", 1).ok);
            EXPECT_TRUE(au::setText(*form, "txtCity", "Northgate").ok);
            EXPECT_TRUE(au::doubleClick(*form, "txtCity").ok);
            EXPECT_TRUE(au::doubleClickItem(*form, "lstTeams", 1).ok);
            EXPECT_TRUE(au::setTopmost(*form, true).ok);

            au::Window gone = *form;
            gone.id = "w999999";
            struct Bad {
                au::Result result;
                const char* what;
            };
            const Bad bad[] = {
                {au::select(*form, "lstTeams", 3), "item past the end"},
                {au::select(*form, "lstNothing", 0), "no such list"},
                {au::click(*form, "No Such Button"), "no such caption"},
                {au::setText(*form, "lstTeams", "x"), "not a text box"},
                {au::sendKeys(*form, "{NOPE}"), "bad keystrokes"},
                {au::click(gone, "OK"), "no such window"},
            };
            for (const Bad& b : bad) {
                EXPECT_FALSE(b.result.ok) << b.what;
                EXPECT_FALSE(b.result.error.empty()) << b.what;
            }
            ASSERT_TRUE(uitest::waitUntil(
                [&] {
                    form = au::findWindow("Pick Team");
                    return form && form->topmost;
                },
                10000));
            EXPECT_EQ(au::findControl(*form, "lstTeams")->selected, 1);
            EXPECT_EQ(au::listWindows().front().title, "Pick Team");
            EXPECT_TRUE(au::click(*form, "OK").ok);
        },
        [] {
            QDialog form;
            form.setObjectName("Pickteam");
            form.setWindowTitle("Pick Team");
            auto* layout = new QVBoxLayout(&form);
            auto* list = new QListWidget(&form);
            list->setObjectName("lstTeams");
            list->addItems({"Lakeport", "Brandon", "Corvale"});
            auto* combo = new QComboBox(&form);
            combo->setObjectName("cboWeek");
            combo->addItems({"Week 1", "Week 2"});
            auto* city = new QLineEdit(&form);
            city->setObjectName("txtCity");
            auto* ok = new QPushButton("OK", &form);
            for (QWidget* w : std::initializer_list<QWidget*>{list, combo, city, ok}) layout->addWidget(w);
            Chosen result;
            QObject::connect(list, &QListWidget::itemClicked, [&](QListWidgetItem* item) { result.clicked = list->row(item); });
            QObject::connect(list, &QListWidget::itemDoubleClicked,
                             [&](QListWidgetItem* item) { result.doubled = list->row(item); });
            QObject::connect(ok, &QPushButton::clicked, &form, &QDialog::accept);
            ui::showModal(form);
            result.row = list->currentRow();
            result.combo = combo->currentIndex();
            result.text = city->text();
            result.selectedText = city->selectedText();
            return result;
        });
    // Line 2 chosen, then line 1 double-clicked.
    EXPECT_EQ(chosen.row, 1);
    EXPECT_EQ(chosen.clicked, 1);
    EXPECT_EQ(chosen.doubled, 1);
    EXPECT_EQ(chosen.selectedText, QString("Northgate"));
    EXPECT_EQ(chosen.combo, 1);
    EXPECT_EQ(chosen.text, QString("Northgate"));
}

}  // namespace
