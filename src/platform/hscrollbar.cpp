#include "hscrollbar.h"

#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

HScrollBar::HScrollBar(QWidget *parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    setTracking(false);
    setFocusPolicy(Qt::StrongFocus);
}

void HScrollBar::keyPressEvent(QKeyEvent *event)
{
    // QScrollBar inverts its controls so that the wheel scrolls content the
    // natural way, which would also send the Right key leftwards. Keys here
    // move the value the way the keys point, as on a slider.
    const bool forward = !isRightToLeft();
    switch (event->key()) {
    case Qt::Key_Right:
        triggerAction(forward ? SliderSingleStepAdd : SliderSingleStepSub);
        break;
    case Qt::Key_Left:
        triggerAction(forward ? SliderSingleStepSub : SliderSingleStepAdd);
        break;
    case Qt::Key_Up:
        triggerAction(SliderSingleStepAdd);
        break;
    case Qt::Key_Down:
        triggerAction(SliderSingleStepSub);
        break;
    case Qt::Key_PageUp:
        triggerAction(SliderPageStepAdd);
        break;
    case Qt::Key_PageDown:
        triggerAction(SliderPageStepSub);
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    event->accept();
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
