#include "ui/fixed_list.h"

#include <QFontMetrics>
#include <QScrollBar>

namespace ui {

static constexpr int kLineRole = Qt::UserRole + 1;

QFont fixedFont(int pointSize) {
    QFont font(QStringLiteral("Courier New"), pointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QString expandTabs(const QString& line) {
    QString out;
    for (const QChar c : line) {
        if (c == QLatin1Char('\t'))
            out.append(QString(8 - out.size() % 8, QLatin1Char(' ')));
        else
            out.append(c);
    }
    return out;
}

FixedList::FixedList(QWidget* parent, int columns) : QListWidget(parent) {
    setFont(fixedFont());
    setUniformItemSizes(true);
    const QFontMetrics metrics(font());
    const int frame = 2 * frameWidth() + verticalScrollBar()->sizeHint().width() + 8;
    setMinimumWidth(metrics.horizontalAdvance(QString(columns, QLatin1Char('M'))) + frame);
}

void FixedList::setLines(const QStringList& lines) {
    clear();
    for (const QString& line : lines) addLine(line);
}

void FixedList::addLine(const QString& line) {
    auto* item = new QListWidgetItem(expandTabs(line), this);
    item->setData(kLineRole, line);
}

QStringList FixedList::lines() const {
    QStringList out;
    for (int i = 0; i < count(); ++i) out.append(item(i)->data(kLineRole).toString());
    return out;
}

}  // namespace ui
