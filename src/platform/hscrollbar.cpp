#include "hscrollbar.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>

HScrollBar::HScrollBar(QWidget *parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    setTracking(false);
    // Scroll bars invert keys and wheel by default, for content that scrolls
    // the other way; this one is a value that the Right key raises.
    setInvertedControls(false);
    setFocusPolicy(Qt::StrongFocus);
}

void HScrollBar::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    // Scroll bars are not drawn focused by most styles; a slider that takes
    // keys must show that it has them.
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect();
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void HScrollBar::wheelEvent(QWheelEvent *event)
{
    // As on a slider: turning the wheel up or right raises the value. A
    // scroll bar turns the horizontal direction round once more, for content.
    QAbstractSlider::wheelEvent(event); // NOLINT(bugprone-parent-virtual-call): on purpose
}
