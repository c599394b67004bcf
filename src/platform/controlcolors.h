#pragma once

#include "colorvalue.h"

class QWidget;

// Background and text colour of a control, as colour values. Each control
// keeps its own colours: they are not inherited from the window. Setting a
// background also makes the text black, as on a light desktop, whatever the
// desktop's colours; a text colour of the control's own is set after it.
ColorValue controlBackColor(const QWidget &control);
void setControlBackColor(QWidget &control, ColorValue color);
ColorValue controlForeColor(const QWidget &control);
void setControlForeColor(QWidget &control, ColorValue color);
