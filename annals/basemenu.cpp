#include "annals/basemenu.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "annals/records_view.h"
#include "ui/modal_form.h"

namespace SeeRecs {

Basemenu::Basemenu(const QString& leagueName, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Basemenu"));
    setWindowTitle(leagueName + QStringLiteral(" Records"));
    auto* layout = new QVBoxLayout(this);
    const auto& captions = menuCaptions();
    for (int i = 0; i < int(captions.size()); ++i) {
        auto* button = new QPushButton(QString::fromUtf8(captions[i].data(), captions[i].size()), this);
        button->setObjectName(QStringLiteral("Command1_%1").arg(i));
        button->setAutoDefault(false);
        button->setMinimumWidth(260);
        connect(button, &QPushButton::clicked, this, [this, i] {
            chosen_ = i;
            accept();
        });
        layout->addWidget(button);
    }
}

int Basemenu::ask() {
    chosen_ = ExitButton;
    ui::showModal(*this);
    return chosen_;
}

}  // namespace SeeRecs
