#include "ui/print_dialog.h"

#include <QButtonGroup>
#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "leaguefiles/cp1252.h"
#include "leaguefiles/report_output.h"
#include "ui/fixed_list.h"
#include "ui/message_box.h"
#include "ui/modal_form.h"
#include "ui/program.h"

namespace ui {
namespace {

const QString kPrinterTarget = QStringLiteral("prn:");

class PrintDialog : public QDialog {
public:
    explicit PrintDialog(QWidget* parent) : QDialog(parent) {
        setObjectName(QStringLiteral("frmKROprint"));
        setWindowTitle(QStringLiteral("Print"));

        printer_ = option(QStringLiteral("optPrintTarget_0"), QStringLiteral("Printer"));
        file_ = option(QStringLiteral("optPrintTarget_1"), QStringLiteral("File:"));
        auto* targets = new QButtonGroup(this);
        targets->addButton(printer_);
        targets->addButton(file_);

        fileBox_ = new QPlainTextEdit(this);
        fileBox_->setObjectName(QStringLiteral("txtPrintFile"));
        fileBox_->setTabChangesFocus(true);
        fileBox_->setFixedHeight(QFontMetrics(fileBox_->font()).lineSpacing() * 2 + 12);
        fileBox_->installEventFilter(this);

        appendFrame_ = new QGroupBox(this);
        appendFrame_->setObjectName(QStringLiteral("fraPrintAppend"));
        append_ = option(QStringLiteral("optPrintAppend_0"), QStringLiteral("&Append"));
        replace_ = option(QStringLiteral("optPrintAppend_1"), QStringLiteral("&Replace"));
        append_->setParent(appendFrame_);
        replace_->setParent(appendFrame_);
        append_->setChecked(true);
        note_ = new QLabel(QStringLiteral("If the file already exists, it will be replaced."), appendFrame_);
        note_->setObjectName(QStringLiteral("lblPrintAppend"));
        note_->setWordWrap(true);
        note_->hide();
        auto* appendLayout = new QVBoxLayout(appendFrame_);
        appendLayout->addWidget(append_);
        appendLayout->addWidget(replace_);
        appendLayout->addWidget(note_);

        auto* ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setObjectName(QStringLiteral("cmdPrintOK"));
        ok->setDefault(true);
        auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
        cancel->setObjectName(QStringLiteral("cmdPrintCancel"));

        auto* grid = new QGridLayout(this);
        grid->addWidget(printer_, 0, 0);
        grid->addWidget(file_, 1, 0, Qt::AlignTop);
        grid->addWidget(fileBox_, 1, 1);
        grid->addWidget(appendFrame_, 2, 1);
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(ok);
        buttons->addWidget(cancel);
        grid->addLayout(buttons, 3, 0, 1, 2);

        connect(printer_, &QRadioButton::toggled, this, [this] { applyTargetRule(); });
        connect(ok, &QPushButton::clicked, this, [this] { confirm(); });
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        setWindowState(Qt::WindowNoState);
        appendFrame_->setEnabled(true);
        fileBox_->setEnabled(true);
    }

    // Step one of the calling sequence: "Printer", which runs the target rule.
    void selectPrinter() {
        printer_->setChecked(true);
        applyTargetRule();
    }

    QString fileText() const { return fileBox_->toPlainText(); }
    void setFileText(const QString& text) { fileBox_->setPlainText(text); }

    PrintChoice choice() const { return {false, target_, append_->isChecked()}; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Selecting the whole text only once the focus change is over, or the click that gave it undoes it.
        if (watched == fileBox_ && event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, fileBox_, [box = fileBox_] { box->selectAll(); });
        return QDialog::eventFilter(watched, event);
    }

private:
    QRadioButton* option(const QString& name, const QString& caption) {
        auto* button = new QRadioButton(caption, this);
        button->setObjectName(name);
        return button;
    }

    void applyTargetRule() {
        const bool toFile = file_->isChecked();
        append_->setVisible(toFile);
        replace_->setVisible(toFile);
        fileBox_->setEnabled(toFile);
    }

    void confirm() {
        if (printer_->isChecked()) {
            target_ = kPrinterTarget;
        } else {
            target_ = fileText();
            // Replace only proves that a missing file can be made. An existing one stays until the
            // print routine replaces it whole, so a print that fails does not lose the old report.
            if (replace_->isChecked() && !QFile::exists(target_)) {
                QFile file(target_);
                if (file.open(QIODevice::WriteOnly)) {
                    file.close();
                    file.remove();
                }
            }
        }
        accept();
    }

    QRadioButton* printer_;
    QRadioButton* file_;
    QRadioButton* append_;
    QRadioButton* replace_;
    QPlainTextEdit* fileBox_;
    QGroupBox* appendFrame_;
    QLabel* note_;
    QString target_;
};

QPointer<PrintDialog> dialog;

PrintDialog& theDialog() {
    if (dialog.isNull()) dialog = new PrintDialog(backgroundWindow());
    return *dialog;
}

void showPrintingError() {
    messageBox(QStringLiteral("An Error Has Occurred During Printing.\rOperation ABORTED."), Buttons::Ok);
}

bool toPrinter(const QString& title, const QStringList& lines) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return false;
    QPrinter printer(info);
    return printLines(printer, title, lines);
}

bool toFile(const PrintChoice& choice, const QString& title, const QStringList& lines) {
    std::vector<std::string> bytes;
    bytes.reserve(static_cast<size_t>(lines.size()));
    for (const QString& line : lines) bytes.push_back(lf::utf8ToCp1252(line.toStdString()));
    try {
        lf::writeReport(choice.target.toStdString(),
                        choice.append ? lf::WriteMode::Append : lf::WriteMode::Replace,
                        lf::utf8ToCp1252(title.toStdString()), bytes);
        return true;
    } catch (const std::exception&) {  // FileError, or a path the file system refuses
        return false;
    }
}

}  // namespace

bool printLines(QPrinter& printer, const QString& title, const QStringList& lines) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setFont(fixedFont(10));
    const QFontMetrics metrics = painter.fontMetrics();  // in the printer's resolution
    const int bottom = static_cast<int>(printer.pageRect(QPrinter::DevicePixel).height());
    int y = metrics.ascent();
    QStringList all{title};
    all.append(lines);
    for (const QString& line : all) {
        if (y + metrics.descent() > bottom) {
            if (!printer.newPage()) return false;
            y = metrics.ascent();
        }
        painter.drawText(0, y, expandTabs(line));
        y += metrics.lineSpacing();
    }
    return painter.end();
}

void setPrintFile(const QString& file) { theDialog().setFileText(file); }

QString printFile() { return theDialog().fileText(); }

PrintChoice askPrintTarget(const QString& lastPrintFile) {
    PrintDialog& form = theDialog();
    form.selectPrinter();
    if (form.fileText().isEmpty()) form.setFileText(lastPrintFile);
    if (showModal(form) == QDialog::Accepted) return form.choice();
    delete dialog.data();
    return {};
}

bool printReport(const PrintChoice& choice, const QString& caption, int season, std::optional<int> week,
                 const QStringList& lines) {
    if (choice.cancelled) return false;
    const QString title = QString::fromStdString(
        lf::cp1252ToUtf8(lf::reportTitle(lf::utf8ToCp1252(caption.toStdString()), season, week)));
    const bool printed = choice.target.compare(kPrinterTarget, Qt::CaseInsensitive) == 0
                             ? toPrinter(title, lines)
                             : toFile(choice, title, lines);
    if (!printed) showPrintingError();
    return printed;
}

}  // namespace ui
