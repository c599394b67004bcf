#pragma once

#include "windowregistry.h"

#include <exception>

// What becomes of an error that escapes an event handler: it is reported,
// and the program ends there and then. The program installs its report;
// until then the error ends the process through qFatal, with its text.
using HandlerErrorReport = void (*)(const std::exception *error); // null: not a std::exception
void setHandlerErrorReport(HandlerErrorReport report);
[[noreturn]] void reportHandlerError(const std::exception *error);
// True once an error has escaped a handler: while its report waits for the
// user, the event loop still runs, but no further handler may.
bool handlerFailed();

// Runs an event handler. An error that escapes it is reported, so no code
// after the failing statement runs, not even in the handler that raised
// this one. Once the program is ending or failing, no handler runs at all.
template<typename Handler>
void guarded(const Handler &handler) noexcept
{
    if (WindowRegistry::isEnding() || handlerFailed())
        return;
    try {
        handler();
    } catch (const std::exception &error) {
        reportHandlerError(&error);
    } catch (...) {
        reportHandlerError(nullptr);
    }
}

// Wraps a handler for connecting to a signal, whatever the signal carries.
template<typename Handler>
auto guard(Handler handler)
{
    return [handler] { guarded(handler); };
}
