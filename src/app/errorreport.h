#pragma once

#include <exception>

namespace ErrorReport {

// Shows what went wrong, in a message box and on stderr, and ends the
// program with a failure status. Nothing is saved or cleaned up on the way
// out. Installed as the report of every event handler's errors.
[[noreturn]] void show(const std::exception *error);

} // namespace ErrorReport
