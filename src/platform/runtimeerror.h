#pragma once

#include <QString>

#include <stdexcept>

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

    // The detail, if any, says more of the cause; a literal marked with
    // QT_TRANSLATE_NOOP("RuntimeError", ...).
    explicit RuntimeError(Kind kind, const char *detail = nullptr);

    Kind kind() const noexcept { return m_kind; }
    int number() const noexcept;
    // What went wrong, in the user's language.
    QString description() const;

private:
    Kind m_kind;
    const char *m_detail;
};
