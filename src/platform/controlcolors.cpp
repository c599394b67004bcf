#include "controlcolors.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace {

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
}

ColorValue foreColor(const QWidget &control)
{
    return toColorValue(control.palette().color(control.foregroundRole()));
}

void setForeColor(QWidget &control, ColorValue color)
{
    setRoleColor(control, control.foregroundRole(), color);
}
