#pragma once

#include <QFont>
#include <QSize>

class QWidget;

// Window layouts are given in twips, 1440 to the logical inch: 15 to a pixel
// at 96 dots per inch. They become pixels at the logical DPI that the fonts
// use, so that every text keeps the room it was given at any DPI, and again
// whenever that DPI changes.
constexpr int TwipsPerInch = 1440;

struct TwipSize
{
    int width;
    int height;
};

constexpr TwipSize twips(int width, int height)
{
    return {width, height};
}

struct TwipRect
{
    int left;
    int top;
    int width;
    int height;
};

// The pixels of a window's client area of that size.
QSize clientPixels(const QWidget &window, TwipSize size);

// Places a control at a fixed rectangle of its window's client area, at the
// control's present DPI. Each edge goes to its nearest pixel, so controls
// that meet in twips meet on screen.
void place(QWidget &control, const TwipRect &rect);

// A font by face, point size and weight. Where the face is not installed a
// font of the given kind stands in, at the same size and weight; for the
// classic sans face, the one that setUpRuntime() names.
QFont fontOf(const QString &face, qreal pointSize, QFont::Weight weight, QFont::StyleHint kind);

// The font of a new window, where its layout names none.
QFont defaultWindowFont();
