#pragma once

#include "shell.h"

#include <exception>

namespace ErrorReport {

// Shows what went wrong and ends the program with a failure status. Nothing
// is saved or cleaned up on the way out.
[[noreturn]] void fail(const std::exception &error);
[[noreturn]] void failUnknown();

} // namespace ErrorReport

// Runs an event handler. An error that escapes it is reported and ends the
// program there and then, so no code after the failing statement runs, not
// even in the handler that raised this one. Once the program is ending, no
// handler runs at all.
template<typename Handler>
void guarded(const Handler &handler) noexcept
{
    if (Shell::isEnding())
        return;
    try {
        handler();
    } catch (const std::exception &error) {
        ErrorReport::fail(error);
    } catch (...) {
        ErrorReport::failUnknown();
    }
}

// Wraps a handler for connecting to a signal, whatever the signal carries.
template<typename Handler>
auto guard(Handler handler)
{
    return [handler] { guarded(handler); };
}
