#include "ui/message_box.h"

#include <QDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <array>
#include <vector>

#include "ui/window_class.h"

namespace ui {
namespace {

QString& titleStore() {
    static QString title = QStringLiteral("KRO");
    return title;
}

struct ButtonSpec {
    const char* caption;
    const char* name;
    Answer answer;
    QMessageBox::ButtonRole role;
};

std::vector<ButtonSpec> buttonSpecs(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return {{"OK", "OK", Answer::Ok, QMessageBox::AcceptRole}};
        case Buttons::YesNo:
            return {{"&Yes", "Yes", Answer::Yes, QMessageBox::YesRole},
                    {"&No", "No", Answer::No, QMessageBox::NoRole}};
        case Buttons::YesNoCancel:
            return {{"&Yes", "Yes", Answer::Yes, QMessageBox::YesRole},
                    {"&No", "No", Answer::No, QMessageBox::NoRole},
                    {"Cancel", "Cancel", Answer::Cancel, QMessageBox::RejectRole}};
    }
    return {};
}

QMessageBox::Icon boxIcon(Icon icon) {
    constexpr std::array<QMessageBox::Icon, 5> icons{QMessageBox::NoIcon, QMessageBox::Information,
                                                     QMessageBox::Question, QMessageBox::Warning,
                                                     QMessageBox::Critical};
    return icons[static_cast<size_t>(icon)];
}

QString shownText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}  // namespace

void setDefaultTitle(const QString& title) { titleStore() = title; }

QString defaultTitle() { return titleStore(); }

Answer messageBox(const QString& text, Buttons buttons, const QString& title, Icon icon,
                  int defaultButton) {
    QMessageBox box;
    box.setObjectName(QStringLiteral("MsgBox"));
    markAsDialog(box);
    box.setWindowTitle(title.isEmpty() ? defaultTitle() : title);
    box.setTextFormat(Qt::PlainText);
    box.setText(shownText(text));
    box.setIcon(boxIcon(icon));
    const std::vector<ButtonSpec> specs = buttonSpecs(buttons);
    std::vector<QPushButton*> made;
    for (const ButtonSpec& spec : specs) {
        QPushButton* button = box.addButton(QString::fromUtf8(spec.caption), spec.role);
        button->setObjectName(QString::fromUtf8(spec.name));
        made.push_back(button);
    }
    const size_t chosen = defaultButton >= 1 && static_cast<size_t>(defaultButton) <= made.size()
                              ? static_cast<size_t>(defaultButton - 1)
                              : 0;
    box.setDefaultButton(made[chosen]);
    made[chosen]->setFocus();
    if (buttons != Buttons::YesNo) box.setEscapeButton(made.back());
    box.exec();
    for (size_t i = 0; i < made.size(); ++i)
        if (box.clickedButton() == made[i]) return specs[i].answer;
    return buttons == Buttons::Ok ? Answer::Ok : buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                const QString& defaultText, double x, double y) {
    QDialog box;
    box.setObjectName(QStringLiteral("InputBox"));
    markAsDialog(box);
    box.setWindowTitle(title.isEmpty() ? defaultTitle() : title);
    auto* label = new QLabel(prompt, &box);
    label->setObjectName(QStringLiteral("lblPrompt"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setMinimumWidth(260);
    auto* edit = new QLineEdit(defaultText, &box);
    edit->setObjectName(QStringLiteral("txtInput"));
    edit->selectAll();
    auto* ok = new QPushButton(QStringLiteral("OK"), &box);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), &box);
    cancel->setObjectName(QStringLiteral("Cancel"));
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &box, &QDialog::reject);

    auto* grid = new QGridLayout(&box);
    grid->addWidget(label, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(ok, 0, 1);
    grid->addWidget(cancel, 1, 1, Qt::AlignTop);
    grid->addWidget(edit, 2, 0, 1, 2);
    box.adjustSize();
    if (x >= 0 && y >= 0) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            box.move(area.x() + static_cast<int>(x * area.width()),
                     area.y() + static_cast<int>(y * area.height()));
        }
    }
    edit->setFocus();
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return edit->text();
}

}  // namespace ui
