#pragma once

#include <QFont>
#include <QSize>

class QWidget;

// Window layouts are given in twips: 15 to a pixel at 96 dots per inch.
constexpr int TwipsPerPixel = 15;

constexpr QSize twips(int width, int height)
{
    return {width / TwipsPerPixel, height / TwipsPerPixel};
}

// Places a control at a fixed rectangle of its window's client area.
void place(QWidget &control, int left, int top, int width, int height);

// A font by face, point size and weight. Where the face is not installed a
// font of the given kind stands in, at the same size and weight.
QFont fontOf(const QString &face, qreal pointSize, QFont::Weight weight, QFont::StyleHint kind);

// The font of a new window, where its layout names none.
QFont defaultWindowFont();
