#include "clicksequenceguard.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>

ClickSequenceGuard::ClickSequenceGuard(const QWidget &clicked, const QMouseEvent &release)
    : m_button(release.button())
    , m_lastTimestamp(release.timestamp())
    , m_window(clicked.window()->windowHandle())
    , m_cameIn(release.scenePosition())
    , m_position(m_cameIn)
{
    QCoreApplication::instance()->installEventFilter(this);
}

ClickSequenceGuard::~ClickSequenceGuard()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool ClickSequenceGuard::eventFilter(QObject *watched, QEvent *event)
{
    // Windows are told of every move of the pointer, widgets only of those
    // they track; and what a window does not pass on reaches no widget.
    if (!watched->isWindowType())
        return false;
    // Not the enter events: Qt makes some of its own, at no real position.
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress
        && type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonRelease)
        return false;

    const auto &mouse = static_cast<const QMouseEvent &>(*event);
    follow(watched, mouse.position());
    if (type == QEvent::MouseMove)
        return m_held; // nor drags with a press of the sequence
    if (type == QEvent::MouseButtonRelease) {
        // Taken with its press: a release alone picks a colour in a dialog.
        if (!m_held)
            return false;
        m_held = false;
    } else {
        m_held = !m_ended && continuesSequence(mouse);
        m_ended = !m_held;
        if (!m_held)
            return false;
    }
    m_lastTimestamp = mouse.timestamp();
    return true;
}

void ClickSequenceGuard::follow(const QObject *window, QPointF position)
{
    if (window != m_window) {
        m_window = window;
        m_cameIn = position;
    }
    m_position = position;
}

bool ClickSequenceGuard::continuesSequence(const QMouseEvent &press) const
{
    const QStyleHints &hints = *QGuiApplication::styleHints();
    return press.button() == m_button
            && press.timestamp() - m_lastTimestamp <= quint64(hints.mouseDoubleClickInterval())
            && (m_position - m_cameIn).manhattanLength() <= hints.mouseDoubleClickDistance();
}
