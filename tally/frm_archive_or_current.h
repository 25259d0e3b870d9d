// The league choice: the current league, or an archived season picked from its files.
#pragma once

#include <QDialog>
#include <filesystem>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QRadioButton;

namespace stats {

struct LeagueChoice {
    std::filesystem::path dir;
    std::string base;
    bool archived = false;
    bool closed = false;  // the window was closed without a choice
};

class FrmArchiveOrCurrent : public QDialog {
public:
    // Reads "league.id1" in the working directory; FileError when it is missing or empty.
    explicit FrmArchiveOrCurrent(QWidget* parent = nullptr);
    // Shows the window modally until "Show This League" or closing.
    LeagueChoice choose();

private:
    void openingState();
    void showArchived();
    void setFolder(const std::filesystem::path& folder);
    void folderClicked(QListWidgetItem* item);
    void fileClicked(QListWidgetItem* item);

    QRadioButton* current_;
    QRadioButton* archived_;
    QLineEdit* text_;
    QComboBox* drives_;
    QLabel* folderPath_;
    QListWidget* folders_;
    QListWidget* files_;
    std::filesystem::path dir_;
    std::string base_;
    std::filesystem::path folder_;
    bool shown_ = false;
};

}  // namespace stats
