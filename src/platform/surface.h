#pragma once

#include "clicksequenceguard.h"
#include "colorvalue.h"

#include <QImage>
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

    // Where the next printed line starts, in pixels from the top edge.
    int currentY() const { return m_currentY; }
    void print(const QString &line);
    // Draws what was printed anew at the surface's new size and DPI: the
    // lines shown, each as tall as the new DPI makes it, and the print
    // position as far down as the lines printed so far.
    void printAgain();

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool isBareBackground(const QPointF &position) const;
    void draw(const QStringList &lines);

    ColorValue m_backColor;
    bool m_autoRedraw = false;
    bool m_pressedOnBackground = false;
    ClickSequenceGuard::Press m_press; // the last, where a click starts
    int m_currentY = 0;
    int m_lines = 0; // printed, shown or not
    QImage m_drawing;
    QStringList m_printed; // the lines shown
};
