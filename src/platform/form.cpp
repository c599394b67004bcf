#include "form.h"

#include "layout.h"
#include "surface.h"
#include "windowregistry.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLayout>
#include <QScreen>

Form::Form(TwipSize clientSize)
    : m_surface(new Surface(this))
    , m_clientSize(clientSize)
    , m_dpi(logicalDpiX(), logicalDpiY())
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_surface->setFont(defaultWindowFont());
    m_surface->setFixedSize(clientPixels(*this, clientSize));
    setCentralWidget(m_surface);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    watchScreen();
}

void Form::place(QWidget &control, int left, int top, int width, int height)
{
    m_placed.append({&control, {left, top, width, height}});
    ::place(control, m_placed.last().second);
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
    // DPI their fonts take, on every platform.
    if (event->type() == QEvent::ScreenChangeInternal) {
        watchScreen();
        followDpi();
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

void Form::followDpi()
{
    const QSize dpi(logicalDpiX(), logicalDpiY());
    if (dpi == m_dpi)
        return;
    m_dpi = dpi;
    m_surface->setFixedSize(clientPixels(*this, m_clientSize));
    for (const auto &[control, rect] : std::as_const(m_placed))
        ::place(*control, rect);
    m_surface->printAgain();
}

void Form::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // A window the program shows comes up as the active one, also where no
    // window manager hands it the focus.
    if (!event->spontaneous())
        activateWindow();
}

void Form::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) {
        m_loaded = false;
        Q_EMIT unloaded();
    }
}
