#include "form.h"

#include "layout.h"
#include "surface.h"
#include "windowregistry.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

Form::Form(TwipSize clientSize)
    : m_surface(new Surface(this))
    , m_controls(new TwipLayout(m_surface, clientSize))
    , m_ratio(devicePixelRatioF())
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Of a fixed size, it offers no maximise: no button for it, nor for full
    // screen, in the title bar a window manager draws.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    m_surface->setFont(defaultWindowFont());
    setCentralWidget(m_surface);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    watchScreen();
}

void Form::place(QWidget &control, int left, int top, int width, int height)
{
    m_controls->addWidget(control, {left, top, width, height});
}

ColorValue Form::backColor() const
{
    return m_surface->backColor();
}

void Form::setBackColor(ColorValue color)
{
    m_surface->setBackColor(color);
}

void Form::bringToFront()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

bool Form::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate && WindowRegistry::current().becameActive(*this))
        Q_EMIT activated();
    // How Qt tells a window's widgets that it moved to another screen, whose
    // DPI their fonts take, on every platform. The client area's size rounds
    // differently at another pixel ratio, also at the same DPI, which no
    // widget is told: its layout is asked again.
    bool newPixels = event->type() == QEvent::ScreenChangeInternal;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    newPixels = newPixels || event->type() == QEvent::DevicePixelRatioChange; // same screen
#endif
    if (event->type() == QEvent::ScreenChangeInternal)
        watchScreen();
    if (newPixels) {
        m_controls->invalidate();
        keepSize();
    }
    return handled;
}

void Form::watchScreen()
{
    // A new DPI of the same screen reaches no widget: they are told as of a
    // new screen, so that their fonts and this window's layout follow it.
    disconnect(m_screenDpi);
    m_screenDpi = connect(screen(), &QScreen::logicalDotsPerInchChanged, this, [this] {
        QEvent change(QEvent::ScreenChangeInternal);
        QList<QWidget *> widgets = findChildren<QWidget *>();
        widgets << this; // last: its layout follows once its widgets have
        for (QWidget *widget : std::as_const(widgets))
            QCoreApplication::sendEvent(widget, &change);
    });
}

void Form::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    keepSize();
}

void Form::keepSize()
{
    // Moved to a screen of another pixel ratio, the window keeps the device
    // pixels it had, and with them a size it cannot show whole in: it asks
    // for its own again, in the new ratio's pixels, and with it for the size
    // limits at that ratio. Qt does not, on X11 with a scale factor for each
    // screen (seen with 6.4, 6.8 and 6.11). Qt tells of the new screen before
    // the new size (6.4, 6.8) or after it (6.11): whichever comes last asks.
    const qreal ratio = devicePixelRatioF();
    if (ratio != m_ratio && size() != minimumSize()) {
        m_ratio = ratio;
        resize(minimumSize());
    }
}

void Form::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // A window the program shows comes up as the active one, also where no
    // window manager hands it the focus.
    if (!event->spontaneous())
        activateWindow();
}

void Form::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // Maximised or full screen all the same (a window manager's key binding,
    // a taskbar), the window goes back to normal: it keeps its size anyway.
    constexpr Qt::WindowStates larger = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (event->type() != QEvent::WindowStateChange || !(windowState() & larger))
        return;
    // Works around Qt's Wayland client. Given the maximised state, 6.4 and
    // 6.8 acknowledge it yet keep the fixed size, and the next frame they
    // draw breaks the protocol (Weston ends the program); unmaximising then
    // is too late, as Weston sends no new state while the window has not yet
    // drawn itself maximised. A new surface starts from the normal state, so
    // the window is hidden and shown again before it draws. 6.11 takes the
    // maximised size instead, fixed or not, and keeps it for the new
    // surface: the window asks for its own again. The maximise button of
    // Qt's own title bar, there whatever the flags, leads here too.
    const bool anew = QGuiApplication::platformName().startsWith(u"wayland");
    if (anew)
        hide();
    setWindowState(windowState() & ~larger);
    resize(minimumSize());
    if (anew)
        show();
}

void Form::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) {
        m_loaded = false;
        Q_EMIT unloaded();
    }
}
