#include "colorvalue.h"

#include "runtimeerror.h"

#include <QColor>
#include <QCoreApplication>

#include <cfenv>
#include <cmath>
#include <limits>

ColorValue Compose(ChannelValue red, ChannelValue green, ChannelValue blue)
{
    return ColorValue(red) + 256 * ColorValue(green) + 65536 * ColorValue(blue);
}

ColorValue Complement(ColorValue color)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    const double result = 16777216.0 - 1.0 - double(color);
    if (std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW))
        throw RuntimeError(RuntimeError::Kind::FloatingPoint);

    const double rounded = std::nearbyint(result);
    if (rounded < double(std::numeric_limits<ColorValue>::min())
        || rounded > double(std::numeric_limits<ColorValue>::max()))
        throw RuntimeError(RuntimeError::Kind::Overflow);
    return ColorValue(rounded);
}

QColor toQColor(ColorValue color)
{
    if (color < 0 || color > WhiteColorValue)
        throw RuntimeError(RuntimeError::Kind::InvalidPropertyValue,
                           QT_TRANSLATE_NOOP("RuntimeError", "not an RGB color"));
    return {color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF};
}

ColorValue toColorValue(const QColor &color)
{
    if (!color.isValid())
        throw RuntimeError(RuntimeError::Kind::InvalidPropertyValue,
                           QT_TRANSLATE_NOOP("RuntimeError", "no color"));
    const QColor rgb = color.toRgb();
    return Compose(ChannelValue(rgb.red()), ChannelValue(rgb.green()), ChannelValue(rgb.blue()));
}
