#include "surface.h"

#include "runtimeerror.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

Surface::Surface(QWidget *parent)
    : QWidget(parent)
    , m_backColor(toColorValue(palette().color(QPalette::Window)))
{
    // The background is painted here rather than through the palette, so
    // that the controls on the surface keep their own colours.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Surface::setBackColor(ColorValue color)
{
    toQColor(color); // refuses values that are not colours before anything changes
    m_backColor = color;
    update();
}

void Surface::print(const QString &line)
{
    //: Text was to be drawn on a window that does not keep what is drawn on
    //: it. Nothing to do with printers.
    if (!m_autoRedraw)
        throw RuntimeError(RuntimeError::Kind::InvalidPropertyValue,
                           QT_TRANSLATE_NOOP("RuntimeError",
                                             "drawing text needs a persistent drawing surface"));

    // A line below the bottom edge is drawn nowhere, and not read out.
    if (currentY() < height()) {
        m_printed.append(line);
        setAccessibleDescription(m_printed.join(u'\n'));
        update();
    }
    ++m_lines;
}

int Surface::lineHeight() const
{
    return QFontMetrics(font(), this).height();
}

void Surface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), toQColor(m_backColor));
    painter.setPen(palette().color(foregroundRole()));
    const QFontMetrics metrics(font(), this);
    int top = 0;
    for (const QString &line : m_printed) {
        painter.drawText(QPointF(0, top + metrics.ascent()), line);
        top += metrics.height();
    }
}

void Surface::mousePressEvent(QMouseEvent *event)
{
    m_pressedOnBackground
            = event->button() == Qt::LeftButton && isBareBackground(event->position());
    m_press = ClickSequenceGuard::Press::of(*this, *event);
}

void Surface::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressedOnBackground && event->button() == Qt::LeftButton
            && isBareBackground(event->position());
    m_pressedOnBackground = false;
    if (click) {
        const ClickSequenceGuard rest(m_press); // not clicks in what this click opens
        Q_EMIT clicked();
    }
}

bool Surface::isBareBackground(const QPointF &position) const
{
    const QPoint point = position.toPoint();
    return rect().contains(point) && childAt(point) == nullptr;
}
