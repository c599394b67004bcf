#include "runtimeerror.h"

#include <QCoreApplication>

#include <string>

namespace {

struct Description
{
    int number;
    const char *text;
};

Description describe(RuntimeError::Kind kind)
{
    switch (kind) {
    case RuntimeError::Kind::Overflow:
        return {6, QT_TRANSLATE_NOOP("RuntimeError", "Overflow")};
    case RuntimeError::Kind::SubscriptOutOfRange:
        return {9, QT_TRANSLATE_NOOP("RuntimeError", "Subscript out of range")};
    case RuntimeError::Kind::FloatingPoint:
        return {16, QT_TRANSLATE_NOOP("RuntimeError", "Floating-point error")};
    case RuntimeError::Kind::CancelSelected:
        return {32755, QT_TRANSLATE_NOOP("RuntimeError", "Cancel was selected")};
    case RuntimeError::Kind::InvalidPropertyValue:
        break;
    }
    return {380, QT_TRANSLATE_NOOP("RuntimeError", "Invalid property value")};
}

std::string message(RuntimeError::Kind kind, const char *detail)
{
    const std::string text = describe(kind).text;
    return detail ? text + ": " + detail : text;
}

} // namespace

RuntimeError::RuntimeError(Kind kind, const char *detail)
    : std::runtime_error(message(kind, detail))
    , m_kind(kind)
    , m_detail(detail)
{ }

int RuntimeError::number() const noexcept
{
    return describe(m_kind).number;
}

QString RuntimeError::description() const
{
    QString text = QCoreApplication::translate("RuntimeError", describe(m_kind).text);
    if (!m_detail)
        return text;
    return QCoreApplication::translate("RuntimeError", "%1: %2")
            .arg(text, QCoreApplication::translate("RuntimeError", m_detail));
}
