#include "ui/program.h"

#include <QBrush>
#include <QElapsedTimer>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPixmap>

#include "ui/automation_server.h"

namespace ui {

static QWidget* currentBackground = nullptr;

QWidget* backgroundWindow() { return currentBackground; }

QIcon suiteIcon() {
    // A brown ball with white laces on a green field.
    QPixmap pixmap(32, 32);
    pixmap.fill(QColor(0, 110, 40));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(130, 70, 25));
    painter.drawEllipse(QRectF(3, 9, 26, 14));
    painter.setPen(QPen(Qt::white, 1.5));
    painter.drawLine(QPointF(11, 16), QPointF(21, 16));
    for (int x = 12; x <= 20; x += 2) painter.drawLine(QPointF(x, 14), QPointF(x, 18));
    return QIcon(pixmap);
}

void stayResponsive() {
    static QElapsedTimer sinceLast;
    if (sinceLast.isValid() && sinceLast.elapsed() < 20) return;
    QCoreApplication::processEvents();
    sinceLast.start();
}

namespace {

QtMessageHandler qtHandler = nullptr;

// A click on the background brings it forward; the program's own windows go back in front of it.
class KeepBehind : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate && QGuiApplication::platformName() != QLatin1String("offscreen"))
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window != watched && window->isVisible()) window->raise();
        return false;
    }
};

// The offscreen platform warns of every window call it cannot honour; nothing is wrong then.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support"))) return;
    if (qtHandler != nullptr) qtHandler(type, context, message);
}

}  // namespace

Program::Program(int& argc, char** argv, const char* name)
    : app_(std::make_unique<QApplication>(argc, argv)) {
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) qtHandler = qInstallMessageHandler(quietHandler);
    QApplication::setApplicationName(QString::fromUtf8(name));
    QApplication::setWindowIcon(suiteIcon());
    startAutomation(QString::fromUtf8(name));
    background_ = std::make_unique<QWidget>();
    background_->setObjectName(QStringLiteral("frmBackground"));
    background_->setWindowTitle(QStringLiteral("KRO"));
    background_->setAttribute(Qt::WA_QuitOnClose, false);
    QPalette palette = background_->palette();
    palette.setColor(QPalette::Window, QColor(0, 60, 25));
    background_->setPalette(palette);
    background_->setAutoFillBackground(true);
    background_->installEventFilter(new KeepBehind(background_.get()));
    background_->showFullScreen();
    currentBackground = background_.get();
}

Program::~Program() {
    // Windows parented to the background (the print dialog) go with it, before the application.
    currentBackground = nullptr;
    background_.reset();
    app_.reset();
}

int Program::run() {
    const int code = QApplication::exec();
    background_->close();
    return code;
}

}  // namespace ui
