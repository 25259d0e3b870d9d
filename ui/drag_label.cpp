#include "ui/drag_label.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace ui {
namespace {

const QString kMime = QStringLiteral("application/x-veltran-label");

// "<group>\n<index>" of the label a drag came from, or -1 when it is not from group.
int sourceIndex(const QMimeData* data, const QString& group) {
    if (data == nullptr || !data->hasFormat(kMime)) return -1;
    const QStringList parts = QString::fromUtf8(data->data(kMime)).split(QLatin1Char('\n'));
    if (parts.size() != 2 || parts[0] != group) return -1;
    bool ok = false;
    const int index = parts[1].toInt(&ok);
    return ok ? index : -1;
}

}  // namespace

DragLabel::DragLabel(const QString& group, int index, QWidget* parent)
    : QLabel(parent), group_(group), index_(index) {
    setAcceptDrops(true);
}

QMimeData* DragLabel::dragData() const {
    auto* data = new QMimeData;
    data->setData(kMime, (group_ + QLatin1Char('\n') + QString::number(index_)).toUtf8());
    data->setText(text());
    return data;
}

void DragLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressPos_ = event->position().toPoint();
        pressed_ = true;
    }
    QLabel::mousePressEvent(event);
}

void DragLabel::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_ || !(event->buttons() & Qt::LeftButton) ||
        (event->position().toPoint() - pressPos_).manhattanLength() < QApplication::startDragDistance())
        return;
    pressed_ = false;
    auto* drag = new QDrag(this);
    drag->setMimeData(dragData());
    drag->setPixmap(grab());
    drag->exec(Qt::MoveAction);
}

void DragLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton;
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click && onClicked) onClicked(index_);
}

void DragLabel::dragEnterEvent(QDragEnterEvent* event) {
    if (sourceIndex(event->mimeData(), group_) >= 0) event->acceptProposedAction();
}

void DragLabel::dropEvent(QDropEvent* event) {
    const int source = sourceIndex(event->mimeData(), group_);
    if (source < 0) return;
    event->acceptProposedAction();
    if (onDropped) onDropped(source, index_);
}

}  // namespace ui
