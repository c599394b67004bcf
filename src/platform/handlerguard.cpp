#include "handlerguard.h"

#include <QtGlobal>

#include <cstdlib>

namespace {
HandlerErrorReport s_report = nullptr;
bool s_failed = false;
} // namespace

void setHandlerErrorReport(HandlerErrorReport report)
{
    s_report = report;
}

void reportHandlerError(const std::exception *error)
{
    s_failed = true;
    if (s_report)
        s_report(error);
    qFatal("Unexpected run-time error: %s", error ? error->what() : "unknown error");
    std::abort(); // not reached: qFatal aborts, but is not declared noreturn
}

bool handlerFailed()
{
    return s_failed;
}
