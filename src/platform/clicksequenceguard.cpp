#include "clicksequenceguard.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

ClickSequenceGuard::ClickSequenceGuard(const QMouseEvent &release)
    : m_lastTimestamp(release.timestamp())
    , m_position(release.globalPosition())
{
    QCoreApplication::instance()->installEventFilter(this);
}

ClickSequenceGuard::~ClickSequenceGuard()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool ClickSequenceGuard::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove)
        return m_held;
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick
        && type != QEvent::MouseButtonRelease)
        return QObject::eventFilter(watched, event);

    if (type == QEvent::MouseButtonRelease) {
        // Taken with its press: a release alone picks a colour in a dialog.
        if (!m_held)
            return false;
        m_held = false;
    } else {
        m_held = !m_ended && continuesSequence(static_cast<const QMouseEvent &>(*event));
        m_ended = !m_held;
        if (!m_held)
            return false;
    }
    m_lastTimestamp = static_cast<const QMouseEvent &>(*event).timestamp();
    return true;
}

bool ClickSequenceGuard::continuesSequence(const QMouseEvent &event) const
{
    const QStyleHints &hints = *QGuiApplication::styleHints();
    return event.timestamp() - m_lastTimestamp <= quint64(hints.mouseDoubleClickInterval())
            && (event.globalPosition() - m_position).manhattanLength()
            <= hints.mouseDoubleClickDistance();
}
