#pragma once

#include "colorvalue.h"

class QWidget;

// Background and text colour of a control, as colour values. Each control
// keeps its own colours: they are not inherited from the window.
ColorValue backColor(const QWidget &control);
void setBackColor(QWidget &control, ColorValue color);
ColorValue foreColor(const QWidget &control);
void setForeColor(QWidget &control, ColorValue color);
