#pragma once

#include "clicksequenceguard.h"

#include <QLineEdit>

// A text box that also reports a click: a left-button press and release
// both inside it. The click is raised after the text box has finished with
// the release, so a dialog opened from it leaves no selection half made.
class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextBox(QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
    ClickSequenceGuard::Press m_press; // the last, where a click starts
};
