#include "layout.h"

#include <QWidget>

void place(QWidget &control, int left, int top, int width, int height)
{
    control.setGeometry(left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel,
                        height / TwipsPerPixel);
}

QFont fontOf(const QString &face, qreal pointSize, QFont::Weight weight, QFont::StyleHint kind)
{
    // Linux desktops lack the classic Windows sans face; the metric-compatible
    // Liberation Sans keeps texts at the widths the layout was drawn for.
    static const bool substituted = [] {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                                  QStringLiteral("Liberation Sans"));
        return true;
    }();
    Q_UNUSED(substituted);

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
