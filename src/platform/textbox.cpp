#include "textbox.h"

#include "clicksequenceguard.h"

#include <QMouseEvent>

TextBox::TextBox(QWidget *parent)
    : QLineEdit(parent)
{ }

void TextBox::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    m_pressed = event->button() == Qt::LeftButton;
}

void TextBox::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    const bool click = m_pressed && event->button() == Qt::LeftButton
            && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click) {
        const ClickSequenceGuard rest(*this, *event); // not clicks in what this click opens
        Q_EMIT clicked();
    }
}
