#pragma once
// The keypad: up to twenty buttons in two columns, always on top, closed only by an Exit button.
#include <QWidget>
#include <array>

#include "keypad/delivery.h"
#include "keypad/layout_file.h"

class QPushButton;

namespace keypad {

class KeypadWindow : public QWidget {
    Q_OBJECT
public:
    KeypadWindow(const Layout& layout, const Position& position);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void clicked(int k);
    Layout layout_;
    Delivery delivery_;
    bool exiting_ = false;
};

}  // namespace keypad
