#pragma once
// How a window presents itself to automation: "dialog" for message and input boxes,
// "form" for every other window.
#include <QWidget>

namespace ui {

// Marks a top-level window as a message or input box.
void markAsDialog(QWidget& window);

// True for message boxes and windows marked with markAsDialog.
bool isDialogWindow(const QWidget& window);

// Restores, raises and activates a window (raising is skipped where the platform cannot).
void bringToFront(QWidget& window);

}  // namespace ui
