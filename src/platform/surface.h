#pragma once

#include "clicksequenceguard.h"
#include "colorvalue.h"

#include <QStringList>
#include <QWidget>

// A window's client area: its background colour, the lines printed onto it,
// and clicks on the bare background (not on any control placed on it).
class Surface : public QWidget
{
    Q_OBJECT

public:
    explicit Surface(QWidget *parent = nullptr);

    ColorValue backColor() const { return m_backColor; }
    void setBackColor(ColorValue color);

    // Printing needs a persistent surface, one that keeps what was drawn
    // and paints it again whenever the window is uncovered.
    void setAutoRedraw(bool on) { m_autoRedraw = on; }

    // Where the next printed line starts, in pixels from the top edge: as
    // far down as the lines printed so far, each as tall as the present DPI
    // makes it.
    int currentY() const { return m_lines * lineHeight(); }
    // Prints a line at the print position. What is printed is kept as text
    // and drawn whenever the surface paints, so that it is as sharp as any
    // other text at the window's present DPI and pixel ratio.
    void print(const QString &line);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool isBareBackground(const QPointF &position) const;
    int lineHeight() const;

    ColorValue m_backColor;
    bool m_autoRedraw = false;
    bool m_pressedOnBackground = false;
    ClickSequenceGuard::Press m_press; // the last, where a click starts
    int m_lines = 0; // printed, shown or not
    QStringList m_printed; // the lines shown: each began above the bottom edge
};
