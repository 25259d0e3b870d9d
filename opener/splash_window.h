#pragma once
// The splash window frmKROSplash: ends at the first key press, mouse click or timer shot.
#include <QWidget>
#include <functional>

class SplashWindow : public QWidget {
public:
    // finished runs once, on whichever comes first.
    explicit SplashWindow(std::function<void()> finished);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void finish();
    std::function<void()> finished_;
};
