#pragma once
// The records menu: ten buttons, one below the other.
#include <QDialog>

namespace SeeRecs {

class Basemenu : public QDialog {
public:
    explicit Basemenu(const QString& leagueName, QWidget* parent = nullptr);
    // Shows the menu modally; the button pressed, or the Exit button when it was closed.
    int ask();

private:
    int chosen_ = 0;
};

}  // namespace SeeRecs
