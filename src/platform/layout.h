#pragma once

#include <QFont>
#include <QLayout>
#include <QList>
#include <QSize>

#include <utility>

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

// A client area of a fixed size in twips, with controls at fixed rectangles
// in twips on it. Qt asks a layout again whenever the area's screen, DPI or
// fonts change, so the pixels always follow them. Each edge goes to its
// nearest pixel, so controls that meet in twips meet on screen.
class TwipLayout : public QLayout
{
public:
    TwipLayout(QWidget *clientArea, TwipSize size);
    ~TwipLayout() override;

    void addWidget(QWidget &control, TwipRect rect);

    QSize sizeHint() const override;
    QSize minimumSize() const override { return sizeHint(); }
    QSize maximumSize() const override { return sizeHint(); }
    void setGeometry(const QRect &rect) override;
    void addItem(QLayoutItem *item) override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    int count() const override { return int(m_items.size()); }

private:
    TwipSize m_size;
    QList<std::pair<QLayoutItem *, TwipRect>> m_items;
};

// A font by face, point size and weight. Where the face is not installed a
// font of the given kind stands in, at the same size and weight; for the
// classic sans face, the one that setUpRuntime() names.
QFont fontOf(const QString &face, qreal pointSize, QFont::Weight weight, QFont::StyleHint kind);

// The font of a new window, where its layout names none.
QFont defaultWindowFont();
