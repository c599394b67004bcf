#pragma once

#include <QScrollBar>

// A horizontal scroll bar whose valueChanged() reports committed changes
// only: an arrow or track click, a key step, a turn of the wheel, or the
// release of a dragged thumb; never the intermediate positions of a drag.
// Keys and the wheel move the value the way they point, as on a slider.
class HScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit HScrollBar(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
};
