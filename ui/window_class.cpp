#include "ui/window_class.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace ui {

static constexpr const char* kDialogProperty = "veltranDialog";

void markAsDialog(QWidget& window) { window.setProperty(kDialogProperty, true); }

bool isDialogWindow(const QWidget& window) {
    return qobject_cast<const QMessageBox*>(&window) != nullptr ||
           window.property(kDialogProperty).toBool();
}

void bringToFront(QWidget& window) {
    if (window.isMinimized()) window.showNormal();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) window.raise();
    window.activateWindow();
}

}  // namespace ui
