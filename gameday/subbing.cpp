#include "gameday/subbing.h"

#include <QDialog>
#include <QGridLayout>
#include <QPushButton>

#include "gameday/engine/seam.h"
#include "gameday/qtext.h"
#include "leaguefiles/depth_chart.h"
#include "ui/drag_label.h"
#include "ui/fixed_list.h"
#include "ui/modal_form.h"
#include "ui/program.h"

namespace gameday {

void showSubstitution(fb::GameState& g, int side) {
    QDialog form(ui::backgroundWindow());
    form.setObjectName(QStringLiteral("Subbing"));
    form.setWindowTitle(QStringLiteral("Substitute - ") + qtext(g.side[side].name));
    form.setWindowIcon(ui::suiteIcon());
    form.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QGridLayout(&form);
    std::vector<ui::DragLabel*> labels(fb::kRosterSize + 1);
    const auto text = [&](int slot) {
        const fb::Side& s = g.side[side];
        const fb::Player& p = s.roster[s.depth[slot]];
        QString line = QString::fromStdString(lf::slotLabel(slot)) + QLatin1Char(' ') + qtext(p.name);
        const int out = fb::injuryQuarters(p);
        if (out > 0) line += QStringLiteral(" (INJ %1)").arg(out);
        return line;
    };
    for (int slot = 1; slot <= fb::kRosterSize; ++slot) {
        auto* l = new ui::DragLabel(QStringLiteral("subbing"), slot, &form);
        l->setObjectName(QStringLiteral("lblSlot_%1").arg(slot));
        l->setFont(ui::fixedFont(9));
        l->setText(text(slot));
        l->onDropped = [&](int from, int to) {
            if (!fb::substitute(g, side, from, to)) return;
            labels[from]->setText(text(from));
            labels[to]->setText(text(to));
        };
        labels[slot] = l;
        layout->addWidget(l, (slot - 1) % 25, (slot - 1) / 25);
    }
    auto* done = new QPushButton(QStringLiteral("Done"), &form);
    done->setObjectName(QStringLiteral("cmdDone"));
    layout->addWidget(done, 25, 0, 1, 2);
    QObject::connect(done, &QPushButton::clicked, &form, &QDialog::accept);
    ui::showModal(form);
}

}  // namespace gameday
