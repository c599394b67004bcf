#pragma once

#include "colorvalue.h"
#include "layout.h"

#include <QMainWindow>

class Surface;

// A top-level window with a fixed client area, which it keeps: it offers no
// maximise, and one asked for all the same leaves it as it was. Controls are
// placed on its surface at fixed positions in twips, in pixels at the DPI and
// pixel ratio of the screen the window is on, whenever these change (moved to
// another screen, or the desktop's font DPI changed); nothing else moves them.
// Closing the window unloads it: it is deleted, and the program builds a fresh
// one the next time it needs one.
class Form : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form(TwipSize clientSize);

    Surface &surface() const { return *m_surface; }
    ColorValue backColor() const;
    void setBackColor(ColorValue color);

    // Shows the window, restored if minimised, above the others and active.
    void bringToFront();

    // False once the user has closed the window, even before Qt deletes it.
    bool isLoaded() const { return m_loaded; }

Q_SIGNALS:
    // The window became the program's active window: it was first shown, or
    // the focus came to it from another of the program's windows. Coming
    // back from another application to the window last active does not count.
    void activated();
    // The window was closed, and is about to be deleted.
    void unloaded();

protected:
    // Places a control on the surface, at a rectangle kept in twips.
    void place(QWidget &control, int left, int top, int width, int height);

    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void watchScreen();
    void keepSize();

    Surface *m_surface;
    TwipLayout *m_controls;
    bool m_loaded = true;
    qreal m_ratio; // the pixel ratio the window last asked for its size at, or was made at
    QMetaObject::Connection m_screenDpi;
};
