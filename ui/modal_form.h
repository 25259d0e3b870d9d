#pragma once
// Modal forms: the caller waits until the form closes, as the game loop does.
// Works before the program's event loop ever ran, and nested inside other modal forms.
#include <QDialog>

namespace ui {

// Shows form application-modal in front of every other window, waits until it closes,
// and returns its result (QDialog::Accepted or Rejected, or what done() was given).
int showModal(QDialog& form);

}  // namespace ui
