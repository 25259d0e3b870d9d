#pragma once
// The records window: one view's lines in the fixed-pitch list, "Exit" and "Copy".
#include <QDialog>
#include <QStringList>

namespace ui {
class FixedList;
}

namespace SeeRecs {

class Seerecrd : public QDialog {
public:
    explicit Seerecrd(const QStringList& lines, QWidget* parent = nullptr);

private:
    void copyLine();
    ui::FixedList* list_;
};

}  // namespace SeeRecs
