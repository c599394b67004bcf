#pragma once

#include <QPointF>

#include <memory>
#include <optional>

class QMouseEvent;
class QWidget;
class QWindow;

// While it lives, the rest of a double- or triple-click reaches no window: the
// presses that follow the click it is made from as Qt's own double-click
// follows a press (the same button, each within the double-click interval of
// the one before and as close to it), up to the third. A window opened by the
// click (a modal dialog, which may well come up under the pointer) then takes
// none of them as clicks of its own.
//
// It watches the input as the platform reports it, before Qt holds back what
// a modal dialog blocks: a press that lands on the window behind a dialog
// that is not up yet still continues the sequence.
//
// Where windows' places on the screen are known (X11), "as close" compares
// screen positions. A Wayland client is never told where its windows are, so
// there it is measured within one window, and in another window from where
// the pointer was first seen in it, the click that opened it being the only
// guess at where that was. The pointer seen moving further than the distance
// ends the sequence, as it ends Qt's double-click.
class ClickSequenceGuard
{
public:
    // A press as the guard compares it.
    struct Press
    {
        quint64 time = 0;
        Qt::MouseButton button = Qt::NoButton;
        const QWindow *window = nullptr; // only compared
        QPointF position; // within the window
        QPointF globalPosition;
        bool byTouch = false; // a touch screen, pen or touch pad: Qt's tap distance

        static Press of(const QWidget &widget, const QMouseEvent &event);
    };

    explicit ClickSequenceGuard(const Press &click);
    ~ClickSequenceGuard();
    ClickSequenceGuard(const ClickSequenceGuard &) = delete;
    ClickSequenceGuard &operator=(const ClickSequenceGuard &) = delete;

    // Whether the platform says where windows are on the screen; tests set
    // it to play a platform that does not.
    static bool windowPositionsKnown();
    static void setWindowPositionsKnown(std::optional<bool> known);

private:
    class Handler;
    std::unique_ptr<Handler> m_handler;
};
