#pragma once
// A label that can be dragged onto another label of its group; the target reports
// dropped(sourceIndex, targetIndex). Used for substitutions, depth charts and team assignment.
#include <QLabel>
#include <QMimeData>
#include <QString>
#include <functional>

namespace ui {

class DragLabel : public QLabel {
public:
    // group keeps separate sets apart: a label only accepts drops from its own group.
    DragLabel(const QString& group, int index, QWidget* parent = nullptr);

    int index() const { return index_; }
    // Called on the target label with the index of the label dropped onto it.
    std::function<void(int sourceIndex, int targetIndex)> onDropped;
    // Called on a plain click (press and release without a drag).
    std::function<void(int index)> onClicked;

    // The MIME data a drag of this label carries.
    QMimeData* dragData() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QString group_;
    int index_;
    QPoint pressPos_;
    bool pressed_ = false;
};

}  // namespace ui
