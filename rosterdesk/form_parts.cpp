#include "rosterdesk/form_parts.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/fixed_list.h"

namespace newedit {

QPushButton* plainButton(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void addHeadings(QBoxLayout* layout, const std::array<std::string, 3>& headings, QWidget* parent) {
    for (size_t i = 0; i < headings.size(); ++i) {
        auto* label = new QLabel(QString::fromStdString(headings[i]), parent);
        label->setObjectName(QStringLiteral("lblHeading_%1").arg(i));
        label->setFont(ui::fixedFont());
        label->setIndent(4);
        layout->addWidget(label);
    }
}

}  // namespace newedit
