#pragma once
// The report window "Retirees, Free Agents, And Rookies": signings and retirements on the
// left, rookies on the right, and "Exit".
#include <QDialog>
#include <QStringList>

namespace retire {

class FrmRetire : public QDialog {
public:
    FrmRetire(const QStringList& left, const QStringList& right, QWidget* parent = nullptr);
};

}  // namespace retire
