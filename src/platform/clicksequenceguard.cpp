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
    const auto *mouse = static_cast<const QMouseEvent *>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_held = !m_ended && continuesSequence(*mouse);
        m_ended = !m_held;
        break;
    case QEvent::MouseButtonRelease:
        // Taken with its press: a release alone picks a colour in a dialog.
        if (!m_held)
            return false;
        m_held = false;
        m_lastTimestamp = mouse->timestamp();
        return true;
    case QEvent::MouseMove:
        return m_held;
    default:
        return QObject::eventFilter(watched, event);
    }
    if (m_held)
        m_lastTimestamp = mouse->timestamp();
    return m_held;
}

bool ClickSequenceGuard::continuesSequence(const QMouseEvent &event) const
{
    const QStyleHints &hints = *QGuiApplication::styleHints();
    return event.timestamp() - m_lastTimestamp <= quint64(hints.mouseDoubleClickInterval())
            && (event.globalPosition() - m_position).manhattanLength()
            <= hints.mouseDoubleClickDistance();
}
