#include "steward/viewer_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QVBoxLayout>
#include <optional>
#include <system_error>

#include "leaguefiles/error.h"
#include "leaguefiles/file_io.h"
#include "leaguefiles/league_dir.h"
#include "steward/league_list.h"
#include "steward/main_window.h"
#include "steward/qt_text.h"
#include "steward/settings_files.h"
#include "steward/viewer_file.h"
#include "ui/fixed_list.h"
#include "ui/message_box.h"
#include "ui/modal_form.h"
#include "ui/program.h"

namespace steward {
namespace {

const QString Title = QStringLiteral("The KRO Manager");
const QString Caption = QStringLiteral("KRO File Viewer");

void tell(const QString& text) { ui::messageBox(text, ui::Buttons::Ok, Title); }

// The small "Find" window; the text asked for, or nothing when it was closed.
std::optional<QString> askFindText(QWidget* parent, const QString& last) {
    QDialog box(parent);
    box.setObjectName(QStringLiteral("frmFind"));
    box.setWindowTitle(QStringLiteral("Find"));
    auto* row = new QHBoxLayout(&box);
    row->addWidget(new QLabel(QStringLiteral("Find What:"), &box));
    auto* text = new QLineEdit(last, &box);
    text->setObjectName(QStringLiteral("txtFind"));
    text->setMinimumWidth(220);
    row->addWidget(text);
    auto* find = new QPushButton(QStringLiteral("Find"), &box);
    find->setObjectName(QStringLiteral("cmdFind"));
    find->setDefault(true);
    row->addWidget(find);
    QObject::connect(find, &QPushButton::clicked, &box, &QDialog::accept);
    if (ui::showModal(box) != QDialog::Accepted) return std::nullopt;
    return text->text();
}

// Prints text in "Courier New" 10, page after page; false when no printer takes it.
bool printText(const QString& text) {
    if (QPrinterInfo::defaultPrinter().isNull()) return false;
    QPrinter printer(QPrinterInfo::defaultPrinter());
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QFont font = ui::fixedFont(10);
    painter.setFont(font);
    const int lineHeight = painter.fontMetrics().lineSpacing();
    const int pageHeight = painter.viewport().height();
    int y = lineHeight;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (y > pageHeight) {
            if (!printer.newPage()) return false;
            y = lineHeight;
        }
        painter.drawText(0, y, ui::expandTabs(line));
        y += lineHeight;
    }
    return painter.end();
}

class ViewerWindow : public QDialog {
public:
    ViewerWindow() {
        setObjectName(QStringLiteral("frmFileViewer"));
        setWindowTitle(Caption);
        folder_ = lf::leagueDirectory();
        auto* column = new QVBoxLayout(this);
        auto* choices = new QHBoxLayout;
        column->addLayout(choices);
        choices->addWidget(new QLabel(QStringLiteral("League:"), this));
        leagues_ = new QComboBox(this);
        leagues_->setObjectName(QStringLiteral("cboLeague"));
        choices->addWidget(leagues_);
        choices->addWidget(new QLabel(QStringLiteral("File:"), this));
        files_ = new QComboBox(this);
        files_->setObjectName(QStringLiteral("cboFile"));
        choices->addWidget(files_);
        choices->addStretch();
        text_ = new QTextEdit(this);
        text_->setObjectName(QStringLiteral("rtbText"));
        text_->setAcceptRichText(false);
        text_->setLineWrapMode(QTextEdit::NoWrap);
        text_->setFont(ui::fixedFont(10));
        text_->setMinimumSize(640, 400);
        column->addWidget(text_);
        connect(text_, &QTextEdit::textChanged, this, [this] {
            if (loading_) return;
            modified_ = true;
            status_->setText(QStringLiteral("File modified."));
        });
        auto* buttons = new QHBoxLayout;
        column->addLayout(buttons);
        connect(addButton(buttons, "cmdOpen", "Open"), &QPushButton::clicked, this, &ViewerWindow::open);
        connect(addButton(buttons, "cmdSave", "Save"), &QPushButton::clicked, this, [this] { save(); });
        connect(addButton(buttons, "cmdPrint", "Print"), &QPushButton::clicked, this, &ViewerWindow::print);
        connect(addButton(buttons, "cmdFind", "Find"), &QPushButton::clicked, this, &ViewerWindow::find);
        findNext_ = addButton(buttons, "cmdFindNext", "Find Next");
        findNext_->setEnabled(false);
        connect(findNext_, &QPushButton::clicked, this, &ViewerWindow::searchOn);
        connect(addButton(buttons, "cmdExit", "Exit"), &QPushButton::clicked, this, &QDialog::close);
        auto* bottom = new QHBoxLayout;
        column->addLayout(bottom);
        status_ = new QLabel(this);
        status_->setObjectName(QStringLiteral("lblStatus"));
        bottom->addWidget(status_, 1);
        printAll_ = new QRadioButton(QStringLiteral("&Print Entire Document"), this);
        printAll_->setObjectName(QStringLiteral("optPrint_0"));
        printAll_->setChecked(true);
        bottom->addWidget(printAll_);
        auto* printSelection = new QRadioButton(QStringLiteral("Print &Selected Text"), this);
        printSelection->setObjectName(QStringLiteral("optPrint_1"));
        bottom->addWidget(printSelection);
        fillLists();
        const ViewerPlacement placement = readViewerPlacement(folder_);
        if (placement.stored) {
            setGeometry(placement.left, placement.top, placement.width, placement.height);
            if (placement.state == 2) setWindowState(Qt::WindowMaximized);
        }
    }

    void reject() override { close(); }

protected:
    void closeEvent(QCloseEvent* event) override {
        if (!settleChanges()) {
            event->ignore();
            return;
        }
        ViewerPlacement placement{true, geometry().y(), geometry().x(), geometry().width(), geometry().height(),
                                  isMaximized() ? 2 : (isMinimized() ? 1 : 0)};
        try {
            writeViewerPlacement(folder_, placement);
        } catch (const lf::FileError& error) {
            ui::messageBox(QString::fromStdString(error.what()), ui::Buttons::Ok, Title, ui::Icon::Critical);
        }
        event->accept();
        QDialog::reject();
    }

private:
    QPushButton* addButton(QHBoxLayout* row, const char* name, const char* caption) {
        auto* button = new QPushButton(QString::fromUtf8(caption), this);
        button->setObjectName(QString::fromUtf8(name));
        row->addWidget(button);
        return button;
    }

    void fillLists() {
        if (refreshLeagueList()) {
            try {
                for (const std::string& league : readLeagueList(lf::resolve(folder_, LeagueListFile)))
                    leagues_->addItem(fromFile(league));
            } catch (const lf::FileError& error) {
                ui::messageBox(QString::fromStdString(error.what()), ui::Buttons::Ok, Title, ui::Icon::Critical);
            }
        }
        for (const std::string& type : readFileTypes(folder_)) files_->addItem(fromFile(type));
        files_->addItem(QStringLiteral("Other"));
    }

    // With unsaved changes: asks whether to save them; false when the user cancelled.
    bool settleChanges() {
        if (!modified_) return true;
        const ui::Answer answer =
            ui::messageBox(QStringLiteral("Do you want to save the changes?"), ui::Buttons::YesNoCancel, Title,
                           ui::Icon::Question);
        if (answer == ui::Answer::Cancel) return false;
        if (answer == ui::Answer::Yes) return save();
        return true;
    }

    // The file the two lists name, asking for the name of an "Other" file.
    std::optional<std::filesystem::path> chosenFile(QString& shownName) {
        const std::string league = toFile(leagues_->currentText());
        std::string name;
        if (files_->currentIndex() == files_->count() - 1) {
            const auto typed = ui::inputBox(QStringLiteral("Please input the filename that is located in C:\\KRO\\") +
                                                leagues_->currentText() + QStringLiteral("Archive\\:"),
                                            Title);
            if (!typed) return std::nullopt;
            name = toFile(typed->trimmed());
            if (const auto problem = otherNameProblem(name)) {
                tell(fromFile(*problem));
                return std::nullopt;
            }
        } else {
            name = archiveFileName(toFile(files_->currentText()));
        }
        shownName = fromFile(name);
        return archiveFilePath(folder_, league, name);
    }

    void open() {
        if (leagues_->count() == 0) {
            tell(QStringLiteral("There are no leagues in the database!"));
            return;
        }
        if (!settleChanges()) return;
        QString name;
        const auto file = chosenFile(name);
        if (!file) return;
        std::string bytes;
        try {
            bytes = lf::readFile(*file);
        } catch (const lf::FileError&) {
            bytes.clear();
        }
        load(bytes.empty() ? QString() : QString::fromStdString(editorText(bytes)));
        file_ = *file;
        setWindowTitle(Caption + QStringLiteral(" - ") + leagues_->currentText() + QStringLiteral(" - ") + name);
        status_->setText(QStringLiteral("File opened."));
        if (bytes.empty())
            tell(QStringLiteral("The specified file is empty or does not exist. A new file will be created when the "
                                "file is saved."));
    }

    void load(const QString& text) {
        loading_ = true;
        text_->setPlainText(text);
        loading_ = false;
        modified_ = false;
        findNext_->setEnabled(false);
    }

    bool save() {
        if (text_->toPlainText().isEmpty()) {
            tell(QStringLiteral("There is no data to save!"));
            return false;
        }
        if (!file_) {
            QString name;
            file_ = chosenFile(name);
            if (!file_) return false;
        }
        try {
            std::error_code ec;
            std::filesystem::create_directory(file_->parent_path(), ec);
            lf::replaceFile(*file_, fileBytes(text_->toPlainText().toStdString()));
        } catch (const lf::FileError& error) {
            ui::messageBox(QString::fromStdString(error.what()), ui::Buttons::Ok, Title, ui::Icon::Critical);
            return false;
        }
        modified_ = false;
        status_->setText(QStringLiteral("File saved."));
        return true;
    }

    void print() {
        if (text_->toPlainText().isEmpty()) {
            tell(QStringLiteral("There is no data to print!"));
            return;
        }
        QString text = printAll_->isChecked() ? text_->toPlainText() : text_->textCursor().selectedText();
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        const QString caption = windowTitle();
        setWindowTitle(QStringLiteral("KRO File Viewer - Printing"));
        ui::stayResponsive();
        const bool printed = printText(text);
        setWindowTitle(caption);
        if (!printed) {
            ui::messageBox(QStringLiteral("An Error Has Occurred During Printing."), ui::Buttons::Ok, Title,
                           ui::Icon::Critical);
            tell(QStringLiteral("Operation ABORTED."));
        }
    }

    void find() {
        const auto what = askFindText(this, search_);
        if (!what) return;
        if (what->isEmpty()) {
            tell(QStringLiteral("You must input text to find!"));
            return;
        }
        search_ = *what;
        searchFrom(0);
    }

    void searchOn() { searchFrom(static_cast<size_t>(text_->textCursor().selectionEnd())); }

    void searchFrom(size_t from) {
        const auto at = findText(text_->toPlainText().toStdU16String(), search_.toStdU16String(), from);
        if (!at) {
            tell(search_ + QStringLiteral(" was not found!"));
            return;
        }
        QTextCursor cursor = text_->textCursor();
        cursor.setPosition(static_cast<int>(*at));
        cursor.setPosition(static_cast<int>(*at + search_.size()), QTextCursor::KeepAnchor);
        text_->setTextCursor(cursor);
        findNext_->setEnabled(true);
    }

    std::filesystem::path folder_;
    std::optional<std::filesystem::path> file_;
    QComboBox* leagues_;
    QComboBox* files_;
    QTextEdit* text_;
    QLabel* status_ = nullptr;
    QPushButton* findNext_;
    QRadioButton* printAll_;
    QString search_;
    bool loading_ = false;
    bool modified_ = false;
};

}  // namespace

void showFileViewer() {
    ViewerWindow window;
    ui::showModal(window);
}

}  // namespace steward
