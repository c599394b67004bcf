#pragma once

#include <QtGlobal>

class QColor;

// An RGB colour packed as 0x00BBGGRR: red in the low byte, blue in the third.
using ColorValue = qint32;

// A slider's value, one colour channel.
using ChannelValue = qint16;

constexpr ColorValue WhiteColorValue = 0x00FFFFFF;

ColorValue Compose(ChannelValue red, ChannelValue green, ChannelValue blue);
ColorValue Complement(ColorValue color);

QColor toQColor(ColorValue color);
ColorValue toColorValue(const QColor &color);
