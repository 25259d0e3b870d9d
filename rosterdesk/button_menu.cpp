#include "rosterdesk/button_menu.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "ui/modal_form.h"

namespace newedit {

ButtonMenu::ButtonMenu(const QString& objectName, const QString& caption, const QStringList& buttons,
                       QWidget* parent)
    : QDialog(parent), last_(int(buttons.size()) - 1) {
    setObjectName(objectName);
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < int(buttons.size()); ++i) {
        auto* button = new QPushButton(buttons[i], this);
        button->setObjectName(QStringLiteral("Command1_%1").arg(i));
        button->setAutoDefault(false);
        button->setMinimumWidth(240);
        connect(button, &QPushButton::clicked, this, [this, i] {
            chosen_ = i;
            accept();
        });
        layout->addWidget(button);
    }
}

int ButtonMenu::ask() {
    chosen_ = last_;
    ui::showModal(*this);
    return chosen_;
}

}  // namespace newedit
