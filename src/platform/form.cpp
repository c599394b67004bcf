#include "form.h"

#include "layout.h"
#include "surface.h"
#include "windowregistry.h"

#include <QCloseEvent>
#include <QLayout>

Form::Form(TwipSize clientSize)
    : m_surface(new Surface(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_surface->setFont(defaultWindowFont());
    m_surface->setFixedSize(clientPixels(*this, clientSize));
    setCentralWidget(m_surface);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
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
    return handled;
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
