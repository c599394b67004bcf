#include "surface.h"

#include "runtimeerror.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

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

    ++m_lines;
    draw({line});
}

void Surface::printAgain()
{
    if (m_drawing.isNull())
        return;
    m_drawing = QImage();
    m_currentY = 0;
    draw(std::exchange(m_printed, {}));
    m_currentY = m_lines * QFontMetrics(font(), this).height();
}

// Draws lines one under the other from the print position on. A line below
// the bottom edge is drawn nowhere, and not read out.
void Surface::draw(const QStringList &lines)
{
    if (m_drawing.isNull()) {
        const qreal ratio = devicePixelRatioF();
        m_drawing = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        m_drawing.setDevicePixelRatio(ratio);
        // Text takes the size the surface's DPI gives it, not the first screen's.
        m_drawing.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
        m_drawing.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
        m_drawing.fill(Qt::transparent);
    }

    const QFontMetrics metrics(font(), this);
    QPainter painter(&m_drawing);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const qsizetype shown = m_printed.size();
    for (const QString &line : lines) {
        if (m_currentY < height()) {
            painter.drawText(QPointF(0, m_currentY + metrics.ascent()), line);
            m_printed.append(line);
        }
        m_currentY += metrics.height();
    }
    if (m_printed.size() > shown) {
        setAccessibleDescription(m_printed.join(u'\n'));
        update();
    }
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
