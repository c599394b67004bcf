#include "layout.h"

#include <QScreen>
#include <QWidget>

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

QSize clientPixels(const QWidget &window, TwipSize size)
{
    return {paintedWhole(pixels(size.width, window.logicalDpiX()), window),
            paintedWhole(pixels(size.height, window.logicalDpiY()), window)};
}

void place(QWidget &control, const TwipRect &rect)
{
    const int x = control.logicalDpiX();
    const int y = control.logicalDpiY();
    control.setGeometry(QRect(
            QPoint(pixels(rect.left, x), pixels(rect.top, y)),
            QPoint(pixels(rect.left + rect.width, x) - 1, pixels(rect.top + rect.height, y) - 1)));
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
