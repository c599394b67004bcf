#include "controlcolors.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace {

constexpr ColorValue LightDesktopTextColor = 0x00000000; // black

void setRoleColor(QWidget &control, QPalette::ColorRole role, ColorValue color)
{
    QPalette palette = control.palette();
    palette.setColor(role, toQColor(color));
    control.setPalette(palette);
}

} // namespace

ColorValue controlBackColor(const QWidget &control)
{
    return toColorValue(control.palette().color(control.backgroundRole()));
}

void setControlBackColor(QWidget &control, ColorValue color)
{
    control.setAutoFillBackground(true);
    setRoleColor(control, control.backgroundRole(), color);
    // The program's colours were chosen for a light desktop's black text: a
    // dark desktop's light text would be unreadable on them.
    setRoleColor(control, control.foregroundRole(), LightDesktopTextColor);
}

ColorValue controlForeColor(const QWidget &control)
{
    return toColorValue(control.palette().color(control.foregroundRole()));
}

void setControlForeColor(QWidget &control, ColorValue color)
{
    setRoleColor(control, control.foregroundRole(), color);
}
