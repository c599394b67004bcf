#include "runtimeerror.h"

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
        return {6, "Overflow"};
    case RuntimeError::Kind::SubscriptOutOfRange:
        return {9, "Subscript out of range"};
    case RuntimeError::Kind::FloatingPoint:
        return {16, "Floating-point error"};
    case RuntimeError::Kind::CancelSelected:
        return {32755, "Cancel was selected"};
    case RuntimeError::Kind::InvalidPropertyValue:
        break;
    }
    return {380, "Invalid property value"};
}

std::string message(RuntimeError::Kind kind, const std::string &detail)
{
    const std::string text = describe(kind).text;
    return detail.empty() ? text : text + ": " + detail;
}

} // namespace

RuntimeError::RuntimeError(Kind kind, const std::string &detail)
    : std::runtime_error(message(kind, detail))
    , m_kind(kind)
{ }

int RuntimeError::number() const noexcept
{
    return describe(m_kind).number;
}
