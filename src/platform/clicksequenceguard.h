#pragma once

#include <QObject>
#include <QPointF>

class QMouseEvent;
class QWidget;

// While it lives, the rest of a double- or triple-click reaches no window:
// the presses that follow the click it is made from with the same button, as
// fast and as close as the clicks of a double-click. A window opened by the
// click (a modal dialog, which a compositor may well put under the pointer)
// then takes none of them as clicks of its own.
//
// A Wayland client is never told where its windows are on the screen, so
// "as close" is measured within one window: from where the pointer was first
// seen in the window it is in now (the click, in the window clicked). While
// a modal dialog is open, the program's other windows are told nothing of
// the pointer, so a press that close in the dialog is one in a dialog that
// came up under the pointer.
class ClickSequenceGuard : public QObject
{
public:
    ClickSequenceGuard(const QWidget &clicked, const QMouseEvent &release);
    ~ClickSequenceGuard() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(const QObject *window, QPointF position);
    bool continuesSequence(const QMouseEvent &press) const;

    Qt::MouseButton m_button;
    quint64 m_lastTimestamp;
    const QObject *m_window; // where the pointer was seen last, only compared
    QPointF m_cameIn; // where the pointer was first seen in that window
    QPointF m_position; // and where last
    bool m_held = false; // a press of the sequence, until its release
    bool m_ended = false; // a click of its own came: the sequence is over
};
