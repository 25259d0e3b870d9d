#include "gameday/makecall.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/modal_form.h"
#include "ui/program.h"

namespace gameday {
namespace {

class CallEdit : public QLineEdit {
public:
    CallEdit(QDialog& box, bool masked) : QLineEdit(&box), box_(box), masked_(masked) {}
    QString entry;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        const int key = e->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            box_.accept();
            return;
        }
        if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
            entry.chop(1);
        } else {
            const QString t = e->text();
            if (t.size() != 1 || !t[0].isLetterOrNumber() || t[0].unicode() > 127) return;
            entry += t.toUpper();
        }
        setText(shownEntry(entry, masked_));
    }

private:
    QDialog& box_;
    bool masked_;
};

}  // namespace

QString shownEntry(const QString& entry, bool masked) {
    if (masked && !entry.isEmpty() && entry[0].isDigit()) return QString(entry.size(), QLatin1Char('X'));
    return entry;
}

QString askCall(const CallBox& box) {
    QDialog form(ui::backgroundWindow());
    form.setObjectName(QStringLiteral("Makecall"));
    form.setWindowTitle(box.offense ? QStringLiteral("OFFENSE") : QStringLiteral("DEFENSE"));
    form.setWindowIcon(ui::suiteIcon());
    form.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    form.setStyleSheet(box.offense ? QStringLiteral("QDialog { background: #008000; }")
                                   : QStringLiteral("QDialog { background: #800000; }"));
    auto* layout = new QVBoxLayout(&form);
    if (!box.offense) {
        auto* caption = new QLabel(QStringLiteral("Offensive Formation:"), &form);
        caption->setObjectName(QStringLiteral("lblFormation"));
        auto* panel = new QLabel(box.formation.join(QLatin1Char('\n')), &form);
        panel->setObjectName(QStringLiteral("pctFormation"));
        for (QLabel* l : {caption, panel}) {
            l->setStyleSheet(QStringLiteral("color: white;"));
            layout->addWidget(l);
        }
    }
    auto* edit = new CallEdit(form, box.masked);
    edit->setObjectName(QStringLiteral("txtCall"));
    layout->addWidget(edit);
    edit->setFocus();
    ui::showModal(form);
    return edit->entry;
}

}  // namespace gameday
