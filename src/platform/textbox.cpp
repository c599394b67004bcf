#include "textbox.h"

#include <QMouseEvent>

TextBox::TextBox(QWidget *parent)
    : QLineEdit(parent)
{ }

void TextBox::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    m_pressed = event->button() == Qt::LeftButton;
    m_press = ClickSequenceGuard::Press::of(*this, *event);
}

void TextBox::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    const bool click = m_pressed && event->button() == Qt::LeftButton
            && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click) {
        const ClickSequenceGuard rest(m_press); // not clicks in what this click opens
        Q_EMIT clicked();
    }
}
