#pragma once

#include <stdexcept>
#include <string>

// An error raised inside an event handler. Nothing traps it on the way up:
// it travels to the error report at the handler boundary, which shows it
// and ends the program.
class RuntimeError : public std::runtime_error
{
public:
    enum class Kind {
        Overflow,
        SubscriptOutOfRange,
        FloatingPoint,
        InvalidPropertyValue,
        CancelSelected,
    };

    RuntimeError(Kind kind, const std::string &detail = {});

    Kind kind() const noexcept { return m_kind; }
    int number() const noexcept;

private:
    Kind m_kind;
};
