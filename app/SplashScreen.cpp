#include "app/SplashScreen.h"

#include "app/TitlePicture.h"
#include "app/WindowLook.h"
#include "platform/ProductInfo.h"

#include <QEventLoop>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

namespace {

constexpr int kClientWidth = 313;
constexpr int kClientHeight = 175;
constexpr int kBorderWidth = 3;
constexpr int kSplashMs = 5000;
// Where the picture's plain white lower part begins.
constexpr int kPictureWhiteBandTop = 119;

// A panel with a raised outer bevel, a border of the window colour and a
// lowered inner bevel around its contents.
class BevelPanel : public QWidget {
public:
    using QWidget::QWidget;

    // Width of the bevels and the border together, on each side.
    static constexpr int frameWidth() { return 1 + kBorderWidth + 1; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        WindowLook::drawDoubleBevel(&p, rect(), palette(), false, 1 + kBorderWidth,
                                    &palette().brush(QPalette::Window));
    }
};

// Ends `loop` as soon as `window` is exposed (right after the window handles
// the expose event), without polling.
class ExposeWatcher : public QObject {
public:
    ExposeWatcher(QWindow* window, QEventLoop* loop)
        : m_window(window)
        , m_loop(loop) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && event->type() == QEvent::Expose)
            QMetaObject::invokeMethod(m_loop, &QEventLoop::quit, Qt::QueuedConnection);
        return false;
    }

private:
    QWindow* m_window;
    QEventLoop* m_loop;
};

} // namespace

TSplashScreen::TSplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("SplashScreen"));
    setWindowTitle(QString::fromUtf8(ProductInfo::kTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    // The splash must not keep the program alive after the main window closes.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(kClientWidth, kClientHeight);

    setFont(WindowLook::windowFont());
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    auto* outer = new BevelPanel(this);
    outer->setObjectName(QStringLiteral("Panel1"));
    outer->setGeometry(rect());

    auto* inner = new QWidget(outer);
    inner->setObjectName(QStringLiteral("Panel2"));
    inner->setAutoFillBackground(true);
    QPalette white = inner->palette();
    white.setColor(QPalette::Window, Qt::white);
    inner->setPalette(white);
    const int frame = BevelPanel::frameWidth();
    inner->setGeometry(outer->rect().adjusted(frame, frame, -frame, -frame));

    auto* imgTitle = new QLabel(inner);
    imgTitle->setObjectName(QStringLiteral("imgTitle"));
    imgTitle->setAlignment(Qt::AlignCenter);
    imgTitle->setPixmap(titlePicture(devicePixelRatio()));
    imgTitle->setGeometry(QRect(QPoint(1, 1), kTitlePictureSize));

    // Sits over the white band below the picture's artwork.
    auto* lblCopyright = new QLabel(
        QString::fromUtf8(ProductInfo::kCopyright) + tr(".\nAll rights reserved."), inner);
    lblCopyright->setObjectName(QStringLiteral("lblCopyright"));
    lblCopyright->setAlignment(Qt::AlignCenter);
    lblCopyright->setGeometry(1, 1 + kPictureWhiteBandTop + 3, kTitlePictureSize.width(), 34);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kSplashMs);
    connect(Timer1, &QTimer::timeout, this, &TSplashScreen::Timer1Timer);
}

void TSplashScreen::showUntilTimerEnds() {
    Timer1->start();
    show();
    paintNow();
}

void TSplashScreen::Timer1Timer() {
    Timer1->stop();
    close();
}

void TSplashScreen::paintNow() {
    // A newly shown window can only be painted once the window system has
    // exposed it; wait for that (bounded) without handling user input.
    QWindow* window = windowHandle();
    if (isVisible() && window && !window->isExposed()) {
        QEventLoop loop;
        ExposeWatcher watcher(window, &loop);
        window->installEventFilter(&watcher);
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        window->removeEventFilter(&watcher);
    }
    repaint();
}

void TSplashScreen::showEvent(QShowEvent* event) {
    QScreen* where = screen();
    if (!event->spontaneous() && where) {
        QRect frame = geometry();
        frame.moveCenter(where->geometry().center());
        move(frame.topLeft());
    }
    QWidget::showEvent(event);
}
