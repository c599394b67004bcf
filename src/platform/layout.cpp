#include "layout.h"

#include <QScreen>
#include <QWidget>
#include <QWidgetItem>

namespace {

// The pixel edge nearest to a position in twips.
int pixels(int twips, int dotsPerInch)
{
    return (twips * dotsPerInch + TwipsPerInch / 2) / TwipsPerInch;
}

// Qt sizes a window at its screen's exact scale but paints it at the scale
// its widgets report, which Qt 6.4 keeps to 1/65536: a length that ends on
// half a pixel rounds up in the one and down in the other, leaving the
// window's last column or row unpainted. Such a length grows by a pixel.
int paintedWhole(int length, const QWidget &window)
{
    const bool split = qRound(length * window.devicePixelRatioF())
            != qRound(length * window.screen()->devicePixelRatio());
    return split ? length + 1 : length;
}

} // namespace

TwipLayout::TwipLayout(QWidget *clientArea, TwipSize size)
    : QLayout(clientArea)
    , m_size(size)
{
    setContentsMargins(0, 0, 0, 0);
    setSizeConstraint(SetFixedSize);
}

TwipLayout::~TwipLayout()
{
    for (const auto &[item, rect] : std::as_const(m_items))
        delete item;
}

void TwipLayout::addWidget(QWidget &control, TwipRect rect)
{
    addChildWidget(&control);
    m_items.append({new QWidgetItem(&control), rect});
    invalidate();
}

QSize TwipLayout::sizeHint() const
{
    const QWidget &area = *parentWidget();
    return {paintedWhole(pixels(m_size.width, area.logicalDpiX()), area),
            paintedWhole(pixels(m_size.height, area.logicalDpiY()), area)};
}

void TwipLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    const int x = parentWidget()->logicalDpiX();
    const int y = parentWidget()->logicalDpiY();
    for (const auto &[item, twips] : std::as_const(m_items)) {
        const QRect pixelRect(QPoint(pixels(twips.left, x), pixels(twips.top, y)),
                              QPoint(pixels(twips.left + twips.width, x) - 1,
                                     pixels(twips.top + twips.height, y) - 1));
        // Exactly there, whatever size the control would rather have.
        if (QWidget *control = item->widget())
            control->setGeometry(pixelRect);
        else
            item->setGeometry(pixelRect);
    }
}

// Controls come with their rectangles, through addWidget().
void TwipLayout::addItem(QLayoutItem *item)
{
    m_items.append({item, TwipRect{}});
}

QLayoutItem *TwipLayout::itemAt(int index) const
{
    return m_items.value(index).first;
}

QLayoutItem *TwipLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    return m_items.takeAt(index).first;
}

QFont fontOf(const QString &face, qreal pointSize, QFont::Weight weight, QFont::StyleHint kind)
{
    QFont font(face);
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    font.setStyleHint(kind);
    return font;
}

QFont defaultWindowFont()
{
    return fontOf(QStringLiteral("MS Sans Serif"), 8, QFont::Normal, QFont::SansSerif);
}
