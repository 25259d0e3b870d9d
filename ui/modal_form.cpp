#include "ui/modal_form.h"

#include "ui/window_class.h"

namespace ui {

int showModal(QDialog& form) {
    form.setWindowModality(Qt::ApplicationModal);
    bringToFront(form);
    return form.exec();
}

}  // namespace ui
