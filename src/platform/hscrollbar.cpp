#include "hscrollbar.h"

HScrollBar::HScrollBar(QWidget *parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    setTracking(false);
    setFocusPolicy(Qt::StrongFocus);
}
