#pragma once
// A menu of buttons one below the other: the editor menu and the position menu.
#include <QDialog>
#include <QStringList>

namespace newedit {

class ButtonMenu : public QDialog {
public:
    ButtonMenu(const QString& objectName, const QString& caption, const QStringList& buttons,
               QWidget* parent = nullptr);
    // Shows the menu modally; the index of the button pressed, or of the last button
    // (the menu's "Exit") when the menu was closed.
    int ask();

private:
    int chosen_ = 0;
    int last_ = 0;
};

}  // namespace newedit
