#include "steward/options_window.h"

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "leaguefiles/error.h"
#include "leaguefiles/league_dir.h"
#include "steward/qt_text.h"
#include "steward/settings_files.h"
#include "ui/message_box.h"
#include "ui/modal_form.h"

namespace steward {
namespace {

const QString Title = QStringLiteral("The KRO Manager");

struct ResetBox {
    Reset reset;
    const char* caption;
};

constexpr std::array<ResetBox, 5> kResetBoxes{{
    {Reset::FileViewerPosition, "Reset KRO File Viewer Window Position"},
    {Reset::BatchplayPosition, "Reset KRO Batchplay Window Position"},
    {Reset::StandingsPosition, "Reset KRO Live Standings Window Position"},
    {Reset::KeypadPosition, "Reset Keypad Window Position"},
    {Reset::KeypadLayout, "Reset Keypad Layout"},
}};

class OptionsWindow : public QDialog {
public:
    OptionsWindow() {
        setObjectName(QStringLiteral("frmOptions"));
        setWindowTitle(QStringLiteral("Options"));
        const std::filesystem::path folder = lf::leagueDirectory();
        auto* column = new QVBoxLayout(this);
        hide_ = new QCheckBox(QStringLiteral("Hide KRO's Change Control Button"), this);
        hide_->setObjectName(QStringLiteral("chkHideChangeControl"));
        hide_->setChecked(changeControlHidden(folder));
        column->addWidget(hide_);
        column->addWidget(new QLabel(QStringLiteral("KRO File Viewer File Types:"), this));
        types_ = new QListWidget(this);
        types_->setObjectName(QStringLiteral("lstTypes"));
        for (const std::string& type : readFileTypes(folder)) types_->addItem(fromFile(type));
        column->addWidget(types_);
        auto* listButtons = new QHBoxLayout;
        column->addLayout(listButtons);
        connect(addButton(listButtons, "cmdAdd", "Add"), &QPushButton::clicked, this, &OptionsWindow::add);
        connect(addButton(listButtons, "cmdRemove", "Remove"), &QPushButton::clicked, this, &OptionsWindow::remove);
        for (size_t i = 0; i < kResetBoxes.size(); ++i) {
            auto* box = new QCheckBox(QString::fromUtf8(kResetBoxes[i].caption), this);
            box->setObjectName(QStringLiteral("chkReset_%1").arg(i));
            column->addWidget(box);
            resets_[i] = box;
        }
        auto* row = new QHBoxLayout;
        column->addLayout(row);
        connect(addButton(row, "cmdSave", "Save And Exit"), &QPushButton::clicked, this, &OptionsWindow::save);
        connect(addButton(row, "cmdCancel", "Cancel"), &QPushButton::clicked, this, &QDialog::reject);
    }

private:
    QPushButton* addButton(QHBoxLayout* row, const char* name, const char* caption) {
        auto* button = new QPushButton(QString::fromUtf8(caption), this);
        button->setObjectName(QString::fromUtf8(name));
        row->addWidget(button);
        return button;
    }

    void add() {
        auto type = ui::inputBox(QStringLiteral("Please input a file type to add:"), Title);
        if (!type) return;
        // A double quote would end the quoted field in "types.dat" early.
        const QString cleaned = type->remove(QLatin1Char('"')).trimmed();
        if (!cleaned.isEmpty()) types_->addItem(cleaned);
    }

    void remove() {
        if (types_->currentRow() < 0 || types_->currentItem() == nullptr || !types_->currentItem()->isSelected()) {
            ui::messageBox(QStringLiteral("You must select a file type to remove!"), ui::Buttons::Ok, Title);
            return;
        }
        delete types_->takeItem(types_->currentRow());
    }

    void save() {
        if (types_->count() == 0) {
            ui::messageBox(QStringLiteral("You must have at least one file type!"), ui::Buttons::Ok, Title);
            return;
        }
        std::vector<std::string> types;
        for (int i = 0; i < types_->count(); ++i) types.push_back(toFile(types_->item(i)->text()));
        const std::filesystem::path folder = lf::leagueDirectory();
        try {
            writeFileTypes(folder, types);
            writeChangeControl(folder, hide_->isChecked());
            for (size_t i = 0; i < kResetBoxes.size(); ++i)
                if (resets_[i]->isChecked()) writeReset(folder, kResetBoxes[i].reset);
        } catch (const lf::FileError& error) {
            ui::messageBox(QString::fromStdString(error.what()), ui::Buttons::Ok, Title, ui::Icon::Critical);
            return;
        }
        accept();
    }

    QCheckBox* hide_;
    QListWidget* types_;
    std::array<QCheckBox*, kResetBoxes.size()> resets_{};
};

}  // namespace

void showOptionsWindow() {
    OptionsWindow window;
    ui::showModal(window);
}

}  // namespace steward
