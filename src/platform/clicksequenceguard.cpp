#include "clicksequenceguard.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>
// Qt has no public hook that sees the input a modal dialog blocks: Qt drops it
// before any event filter or native event filter (on Wayland) could. Its
// window-system event handler is the one place, on Qt 6.4 to 6.11 alike.
#include <qpa/qwindowsysteminterface_p.h>

namespace {

using WindowSystem = QWindowSystemInterfacePrivate;

std::optional<bool> positionsKnownOverride;

bool isTouchLike(const QInputDevice *device)
{
    // As Qt's own double-click: the tap distance for all but a mouse.
    return device != nullptr && device->type() != QInputDevice::DeviceType::Mouse;
}

enum class Action { Press, Move, Release };

struct Pointer
{
    Action action;
    ClickSequenceGuard::Press at;
};

std::optional<Pointer> fromMouse(const WindowSystem::MouseEvent &event)
{
    Action action = Action::Move;
    switch (event.buttonType) {
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        action = Action::Press;
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonRelease:
        action = Action::Release;
        break;
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseMove:
        break;
    default:
        return std::nullopt;
    }
    return Pointer{action,
                   {event.timestamp, event.button, event.window.data(), event.localPos,
                    event.globalPos, isTouchLike(event.device)}};
}

// A tap is a click of one finger; what more fingers do is no click at all.
std::optional<Pointer> fromTouch(const WindowSystem::TouchEvent &event)
{
    const QWindow *window = event.window.data();
    if (event.points.size() != 1 || window == nullptr)
        return std::nullopt;
    const Action action = event.touchType == QEvent::TouchBegin ? Action::Press
            : event.touchType == QEvent::TouchUpdate            ? Action::Move
                                                                : Action::Release;
    const QPointF global = event.points.constFirst().globalPosition();
    return Pointer{
            action,
            {event.timestamp, Qt::LeftButton, window, window->mapFromGlobal(global), global, true}};
}

bool withinDistance(QPointF offset, bool byTouch)
{
    const QStyleHints &hints = *QGuiApplication::styleHints();
    const int distance
            = byTouch ? hints.touchDoubleTapDistance() : hints.mouseDoubleClickDistance();
    return qAbs(offset.x()) <= distance && qAbs(offset.y()) <= distance;
}

} // namespace

class ClickSequenceGuard::Handler final : public QWindowSystemEventHandler
{
public:
    explicit Handler(const Press &click)
        : m_last(click)
        , m_window(click.window)
        , m_cameIn(click.position)
    {
        WindowSystem::installWindowSystemEventHandler(this);
    }

    bool sendEvent(WindowSystem::WindowSystemEvent *event) override
    {
        std::optional<Pointer> pointer;
        if (event->type == WindowSystem::Mouse)
            pointer = fromMouse(static_cast<const WindowSystem::MouseEvent &>(*event));
        else if (event->type == WindowSystem::Touch)
            pointer = fromTouch(static_cast<const WindowSystem::TouchEvent &>(*event));
        // Dropped here, an event reaches no window and no part of Qt.
        return (pointer && swallows(*pointer)) || QWindowSystemEventHandler::sendEvent(event);
    }

private:
    bool swallows(const Pointer &pointer);
    QPointF offset(const Press &at) const;

    static constexpr int MaxPresses = 3; // a triple-click
    Press m_last; // the last press of the sequence
    int m_presses = 1;
    bool m_held = false; // a press of the sequence, until its release
    bool m_ended = false;
    const QWindow *m_window; // where the pointer was seen last, only compared
    QPointF m_cameIn; // where it was first seen there
};

bool ClickSequenceGuard::Handler::swallows(const Pointer &pointer)
{
    const Press &at = pointer.at;
    if (at.window != m_window) {
        m_window = at.window;
        m_cameIn = at.position;
    }
    switch (pointer.action) {
    case Action::Move:
        // A drag ends the sequence too, but its press was never seen: nor is it.
        m_ended = m_ended || !withinDistance(offset(at), at.byTouch);
        return m_held;
    case Action::Release:
        // Taken with its press, so that no window sees half a click.
        return std::exchange(m_held, false);
    case Action::Press:
        m_held = !m_ended && m_presses < MaxPresses && at.button == m_last.button
                && at.time >= m_last.time
                && at.time - m_last.time
                        < quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval())
                && withinDistance(offset(at), at.byTouch);
        m_ended = !m_held;
        if (m_held) {
            m_last = at;
            ++m_presses;
        }
        return m_held;
    }
    return false;
}

QPointF ClickSequenceGuard::Handler::offset(const Press &at) const
{
    if (windowPositionsKnown())
        return at.globalPosition - m_last.globalPosition;
    if (at.window == m_last.window)
        return at.position - m_last.position;
    return at.position - m_cameIn;
}

ClickSequenceGuard::Press ClickSequenceGuard::Press::of(const QWidget &widget,
                                                        const QMouseEvent &event)
{
    // A widget's scene is its window: positions as the platform gives them.
    return {event.timestamp(),     event.button(),         widget.window()->windowHandle(),
            event.scenePosition(), event.globalPosition(), isTouchLike(event.pointingDevice())};
}

ClickSequenceGuard::ClickSequenceGuard(const Press &click)
    : m_handler(std::make_unique<Handler>(click))
{ }

ClickSequenceGuard::~ClickSequenceGuard() = default;

bool ClickSequenceGuard::windowPositionsKnown()
{
    return positionsKnownOverride.value_or(
            !QGuiApplication::platformName().startsWith(QLatin1String("wayland")));
}

void ClickSequenceGuard::setWindowPositionsKnown(std::optional<bool> known)
{
    positionsKnownOverride = known;
}
