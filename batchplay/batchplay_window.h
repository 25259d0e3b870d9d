#pragma once
// The simulator's window: detection of the week display while idle, and a run of games, one
// look at the desktop at a time. The looks run on a thread of their own, because the
// automation client also asks this program's own socket, which this thread must answer.
#include <QWidget>
#include <future>
#include <optional>

#include "batchplay/options_file.h"
#include "batchplay/simulation.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace batchplay {

class BatchplayWindow : public QWidget {
    Q_OBJECT
public:
    explicit BatchplayWindow(const Options& options);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What a look at the desktop found, and what it pressed.
    struct Look {
        std::vector<Window> windows;
        std::optional<Press> press;
        bool pressed = false;
    };
    enum class Purpose { Detect, Start, Step };

    void lookFor(Purpose purpose);
    void lookDone();
    void detected(const std::vector<Window>& windows);
    void simulateOrStop();
    void begin(const std::vector<Window>& windows);
    void stepped(const Look& look);
    void endRun(const char* message = nullptr);
    void setStayOnTop(bool on);

    QLineEdit* games_;
    QPushButton* simulate_;
    QCheckBox* stayOnTop_;
    QLabel* detected_;
    QLabel* status_;
    QTimer* detection_;
    QTimer* pump_;
    std::optional<Run> run_;
    Purpose purpose_ = Purpose::Detect;
    std::future<Look> pending_;
};

}  // namespace batchplay
