#pragma once

#include <QObject>
#include <QPointF>

class QMouseEvent;

// While it lives, the rest of a double- or triple-click reaches no widget:
// the clicks that follow the one it is made from, as fast and as close as
// the clicks of a double-click. A window opened by a click (a modal dialog
// over the spot clicked, say) then takes none of them as clicks of its own.
class ClickSequenceGuard : public QObject
{
public:
    explicit ClickSequenceGuard(const QMouseEvent &release);
    ~ClickSequenceGuard() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool continuesSequence(const QMouseEvent &event) const;

    quint64 m_lastTimestamp;
    QPointF m_position;
    bool m_held = false; // a press of the sequence, until its release
    bool m_ended = false; // a click of its own came: the sequence is over
};
