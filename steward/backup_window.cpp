#include "steward/backup_window.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <vector>

#include "leaguefiles/error.h"
#include "leaguefiles/league_dir.h"
#include "steward/main_window.h"
#include "steward/qt_text.h"
#include "steward/running_programs.h"
#include "steward/settings_files.h"
#include "steward/suite_windows.h"
#include "steward/transfer.h"
#include "ui/message_box.h"
#include "ui/modal_form.h"
#include "ui/program.h"

namespace steward {
namespace {

const QString Title = QStringLiteral("The KRO Manager");

struct Texts {
    const char* question;
    const char* cancelled;
    const char* interrupted;
};

const Texts kBackupTexts{"Are you sure you want to backup your KRO data to ", "The KRO data backup has been cancelled!",
                         "The KRO data backup was interrupted. Ensure that your specified location is correct and "
                         "that you have permission to access it."};
const Texts kRestoreTexts{"Are you sure you want to restore your KRO data from ",
                          "The KRO data restoration has been cancelled!",
                          "The KRO data restoration was interrupted. Ensure that your specified location is correct "
                          "and that you have permission to access it."};

class BackupWindow : public QDialog {
public:
    BackupWindow() {
        setObjectName(QStringLiteral("frmBackup"));
        setWindowTitle(QStringLiteral("Backup/Restore KRO Data"));
        auto* grid = new QGridLayout(this);
        grid->addWidget(new QLabel(QStringLiteral("Location:"), this), 0, 0);
        location_ = new QLineEdit(fromFile(readLocation(lf::leagueDirectory())), this);
        location_->setObjectName(QStringLiteral("txtLocation"));
        location_->setMinimumWidth(360);
        grid->addWidget(location_, 0, 1);
        grid->addWidget(new QLabel(QStringLiteral("Option:"), this), 1, 0);
        noRecopy_ = new QCheckBox(QStringLiteral("Do not recopy league archive files if they already exist."), this);
        noRecopy_->setObjectName(QStringLiteral("chkNoRecopy"));
        grid->addWidget(noRecopy_, 1, 1);
        status_ = new QLabel(QString::fromStdString(statusLine("Ready")), this);
        status_->setObjectName(QStringLiteral("lblStatus"));
        grid->addWidget(status_, 2, 0, 1, 2);
        auto* row = new QHBoxLayout;
        grid->addLayout(row, 3, 0, 1, 2);
        struct Spec {
            const char* name;
            const char* caption;
            Direction direction;
            bool alt;
        };
        for (const Spec& s : {Spec{"cmdBackup", "Backup KRO Data", Direction::Backup, false},
                              Spec{"cmdRestore", "Restore KRO Data", Direction::Restore, false},
                              Spec{"cmdAltSend", "Alt. Send", Direction::Backup, true},
                              Spec{"cmdAltGet", "Alt. Get", Direction::Restore, true}}) {
            auto* button = addButton(row, s.name, s.caption);
            transferButtons_.push_back(button);
            connect(button, &QPushButton::clicked, this, [this, s] { transfer(s.direction, s.alt); });
        }
        connect(addButton(row, "cmdExit", "Exit"), &QPushButton::clicked, this, &QDialog::accept);
        refreshLeagueList();
    }

private:
    QPushButton* addButton(QHBoxLayout* row, const char* name, const char* caption) {
        auto* button = new QPushButton(QString::fromUtf8(caption), this);
        button->setObjectName(QString::fromUtf8(name));
        row->addWidget(button);
        return button;
    }

    void setStatus(const std::string& line) {
        status_->setText(fromFile(line));
        ui::stayResponsive();
    }

    void transfer(Direction direction, bool alt) {
        const Texts& texts = direction == Direction::Backup ? kBackupTexts : kRestoreTexts;
        if (gameRunning(suiteWindows(), ownPid())) {
            ui::messageBox(QStringLiteral("You must close KRO before you can backup/restore any data!"), ui::Buttons::Ok,
                           Title);
            return;
        }
        const QString location = location_->text();
        if (location.trimmed().isEmpty()) {
            ui::messageBox(QStringLiteral("You must input a location!"), ui::Buttons::Ok, Title);
            return;
        }
        const std::filesystem::path folder = lf::leagueDirectory();
        try {
            writeLocation(folder, toFile(location));
        } catch (const lf::FileError& error) {
            ui::messageBox(QString::fromStdString(error.what()), ui::Buttons::Ok, Title, ui::Icon::Critical);
            return;
        }
        if (ui::messageBox(QString::fromUtf8(texts.question) + location + QStringLiteral("?"), ui::Buttons::YesNo,
                           Title, ui::Icon::Question) != ui::Answer::Yes) {
            ui::messageBox(QString::fromUtf8(texts.cancelled), ui::Buttons::Ok, Title);
            return;
        }
        for (QPushButton* button : transferButtons_) button->setEnabled(false);
        setStatus(statusLine("Preparing to transfer files..."));
        const std::filesystem::path other = std::filesystem::path(location.toStdString());
        Transfer t;
        t.direction = direction;
        t.from = direction == Direction::Backup ? folder : other;
        t.to = direction == Direction::Backup ? other : folder;
        t.rule = archiveRule(alt, noRecopy_->isChecked());
        const bool done = runTransfer(t, [this](const std::string& line) { setStatus(line); });
        if (!done) ui::messageBox(QString::fromUtf8(texts.interrupted), ui::Buttons::Ok, Title, ui::Icon::Warning);
        for (QPushButton* button : transferButtons_) button->setEnabled(true);
    }

    QLineEdit* location_;
    QCheckBox* noRecopy_;
    QLabel* status_;
    std::vector<QPushButton*> transferButtons_;
};

}  // namespace

void showBackupWindow() {
    BackupWindow window;
    ui::showModal(window);
}

}  // namespace steward
