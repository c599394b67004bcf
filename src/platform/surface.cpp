#include "surface.h"

#include "clicksequenceguard.h"
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

    if (m_drawing.isNull()) {
        const qreal ratio = devicePixelRatioF();
        m_drawing = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        m_drawing.setDevicePixelRatio(ratio);
        m_drawing.fill(Qt::transparent);
    }

    // A line below the bottom edge is drawn nowhere, and not read out.
    const QFontMetrics metrics(font());
    if (m_currentY < height()) {
        QPainter painter(&m_drawing);
        painter.setFont(font());
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(QPointF(0, m_currentY + metrics.ascent()), line);
        m_printed.append(line);
        setAccessibleDescription(m_printed.join(u'\n'));
        update();
    }
    m_currentY += metrics.height();
}

void Surface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), toQColor(m_backColor));
    if (!m_drawing.isNull())
        painter.drawImage(QPointF(0, 0), m_drawing);
}

void Surface::mousePressEvent(QMouseEvent *event)
{
    m_pressedOnBackground
            = event->button() == Qt::LeftButton && isBareBackground(event->position());
}

void Surface::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressedOnBackground && event->button() == Qt::LeftButton
            && isBareBackground(event->position());
    m_pressedOnBackground = false;
    if (click) {
        const ClickSequenceGuard rest(*this, *event); // not clicks in what this click opens
        Q_EMIT clicked();
    }
}

bool Surface::isBareBackground(const QPointF &position) const
{
    const QPoint point = position.toPoint();
    return rect().contains(point) && childAt(point) == nullptr;
}
