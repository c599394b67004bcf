#pragma once

#include <QScrollBar>

// A horizontal scroll bar whose valueChanged() reports committed changes
// only: an arrow or track click, a key step, or the release of a dragged
// thumb; never the intermediate positions of a drag.
class HScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit HScrollBar(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
