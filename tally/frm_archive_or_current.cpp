#include "tally/frm_archive_or_current.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "leaguefiles/cp1252.h"
#include "leaguefiles/error.h"
#include "leaguefiles/league_dir.h"
#include "leaguefiles/league_file.h"
#include "tally/format.h"
#include "ui/modal_form.h"

namespace stats {

namespace fs = std::filesystem;

namespace {

QString fromFile(const std::string& text) { return QString::fromStdString(lf::cp1252ToUtf8(text)); }

std::string currentLeagueName(const fs::path& dir) {
    std::string name = lf::readLeagueName(dir);
    if (name.empty()) throw lf::FileError("No league named", lf::resolve(dir, lf::LeaguePointerFile));
    return name;
}

}  // namespace

FrmArchiveOrCurrent::FrmArchiveOrCurrent(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmArchiveOrCurrent"));
    setWindowTitle(QStringLiteral("KRO Statistics Viewer"));

    auto* question = new QLabel(QStringLiteral("Which Season Do You Want To See?"), this);
    question->setObjectName(QStringLiteral("Label1"));
    current_ = new QRadioButton(QStringLiteral("Current"), this);
    current_->setObjectName(QStringLiteral("Option1_0"));
    archived_ = new QRadioButton(QStringLiteral("Archived"), this);
    archived_->setObjectName(QStringLiteral("Option1_1"));
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("Text1"));
    text_->setReadOnly(true);
    auto* show = new QPushButton(QStringLiteral("Show This League"), this);
    show->setObjectName(QStringLiteral("Command1"));
    show->setDefault(true);
    drives_ = new QComboBox(this);
    drives_->setObjectName(QStringLiteral("Drive1"));
    folderPath_ = new QLabel(this);
    folderPath_->setObjectName(QStringLiteral("lblFolder"));
    folders_ = new QListWidget(this);
    folders_->setObjectName(QStringLiteral("Dir1"));
    files_ = new QListWidget(this);
    files_->setObjectName(QStringLiteral("File1"));
    for (const QFileInfo& drive : QDir::drives()) drives_->addItem(drive.absoluteFilePath());

    auto* grid = new QGridLayout(this);
    grid->addWidget(question, 0, 0, 1, 2);
    grid->addWidget(current_, 1, 0);
    grid->addWidget(archived_, 1, 1);
    grid->addWidget(text_, 2, 0, 1, 2);
    grid->addWidget(show, 3, 0, 1, 2);
    grid->addWidget(drives_, 4, 0, 1, 2);
    grid->addWidget(folderPath_, 5, 0, 1, 2);
    grid->addWidget(folders_, 6, 0);
    grid->addWidget(files_, 6, 1);

    connect(current_, &QRadioButton::clicked, this, [this] { openingState(); });
    connect(archived_, &QRadioButton::clicked, this, [this] { showArchived(); });
    connect(drives_, &QComboBox::activated, this,
            [this](int i) { setFolder(drives_->itemText(i).toStdString()); });
    connect(folders_, &QListWidget::itemClicked, this, &FrmArchiveOrCurrent::folderClicked);
    connect(folders_, &QListWidget::itemActivated, this, &FrmArchiveOrCurrent::folderClicked);
    connect(files_, &QListWidget::itemClicked, this, &FrmArchiveOrCurrent::fileClicked);
    connect(show, &QPushButton::clicked, this, [this] {
        shown_ = true;
        accept();
    });
    current_->setChecked(true);
    openingState();
}

void FrmArchiveOrCurrent::openingState() {
    dir_ = lf::leagueDirectory();
    base_ = currentLeagueName(dir_);
    text_->setText(QStringLiteral("Current ") + fromFile(base_));
    current_->setChecked(true);
    for (QWidget* w : std::initializer_list<QWidget*>{drives_, folderPath_, folders_, files_})
        w->hide();
}

void FrmArchiveOrCurrent::showArchived() {
    for (QWidget* w : std::initializer_list<QWidget*>{drives_, folderPath_, folders_, files_})
        w->show();
    // A league without an archive folder yet shows its own folder instead.
    fs::path archive = lf::archiveFolder(dir_, base_);
    setFolder(fs::is_directory(archive) ? archive : dir_);
}

void FrmArchiveOrCurrent::setFolder(const fs::path& folder) {
    std::error_code ec;
    fs::path canonical = fs::weakly_canonical(folder, ec);
    folder_ = ec ? folder : canonical;
    folderPath_->setText(QString::fromStdString(folder_.string()));
    folders_->clear();
    files_->clear();
    std::vector<std::string> dirs, lges;
    for (fs::directory_iterator it(folder_, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (it->is_directory(ec))
            dirs.push_back(name);
        else if (name.size() > 4 && tally::upper(name.substr(name.size() - 4)) == ".LGE")
            lges.push_back(name);
    }
    std::sort(dirs.begin(), dirs.end());
    std::sort(lges.begin(), lges.end());
    if (folder_.has_parent_path() && folder_.parent_path() != folder_) folders_->addItem(QStringLiteral(".."));
    for (const auto& d : dirs) folders_->addItem(QString::fromStdString(d));
    for (const auto& f : lges) files_->addItem(QString::fromStdString(f));
}

void FrmArchiveOrCurrent::folderClicked(QListWidgetItem* item) {
    if (item == nullptr) return;
    const std::string name = item->text().toStdString();
    setFolder(name == ".." ? folder_.parent_path() : folder_ / name);
}

void FrmArchiveOrCurrent::fileClicked(QListWidgetItem* item) {
    const std::string name = item ? item->text().toStdString() : std::string();
    if (name.size() <= 4 || !fs::is_regular_file(folder_ / name)) {
        openingState();
        return;
    }
    dir_ = folder_;
    base_ = name.substr(0, name.size() - 4);
    text_->setText(QString::fromStdString(base_));
}

LeagueChoice FrmArchiveOrCurrent::choose() {
    shown_ = false;
    ui::showModal(*this);
    LeagueChoice choice;
    choice.closed = !shown_;
    if (current_->isChecked()) {
        choice.dir = lf::leagueDirectory();
        choice.base = currentLeagueName(choice.dir);
    } else {
        choice.dir = dir_;
        choice.base = base_;
        choice.archived = true;
    }
    return choice;
}

}  // namespace stats
