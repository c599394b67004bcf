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

ColorValue backColor(const QWidget &control)
{
    return toColorValue(control.palette().color(control.backgroundRole()));
}

void setBackColor(QWidget &control, ColorValue color)
{
    control.setAutoFillBackground(true);
    setRoleColor(control, control.backgroundRole(), color);
    // The program's colours were chosen for a light desktop's black text: a
    // dark desktop's light text would be unreadable on them.
    setRoleColor(control, control.foregroundRole(), LightDesktopTextColor);
}

ColorValue foreColor(const QWidget &control)
{
    return toColorValue(control.palette().color(control.foregroundRole()));
}

void setForeColor(QWidget &control, ColorValue color)
{
    setRoleColor(control, control.foregroundRole(), color);
}
