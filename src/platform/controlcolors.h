#pragma once

#include "colorvalue.h"

class QWidget;

// Background and text colour of a control, as colour values. Each control
// keeps its own colours: they are not inherited from the window. Setting a
// background also makes the text black, as on a light desktop, whatever the
// desktop's colours; a text colour of the control's own is set after it.
ColorValue backColor(const QWidget &control);
void setBackColor(QWidget &control, ColorValue color);
ColorValue foreColor(const QWidget &control);
void setForeColor(QWidget &control, ColorValue color);
