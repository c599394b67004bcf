#include "standardoutput.h"

#include "translations.h"

#include <QString>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

const char *const CannotWrite
        = QT_TRANSLATE_NOOP("StandardOutput", "cannot write to standard output: %1");
QString s_cannotWrite;

void closeStandardOutput()
{
    // A write that failed earlier (a full disk) may show only in the error
    // flag, and the last of the text only when it is flushed or closed.
    errno = 0;
    bool written = std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
    int reason = errno;
    if (std::fclose(stdout) != 0 && written) {
        written = false;
        reason = errno;
    }
    if (written)
        return;
    std::fprintf(stderr, "tinct: %s\n",
                 qUtf8Printable(s_cannotWrite.arg(
                         QString::fromLocal8Bit(std::strerror(reason ? reason : EIO)))));
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace

void checkStandardOutput(const Translations &translations)
{
    // A standard descriptor the program was started without would be given
    // to the next file opened (the display connection, say), and what was
    // meant for standard output would go into that. /dev/null opened for
    // reading holds its place: a write to it fails as to a closed one (EBADF).
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor) {
        if (::fcntl(descriptor, F_GETFD) == -1)
            (void)::open("/dev/null", O_RDONLY); // the lowest free: this one
    }
    s_cannotWrite = translations.translate("StandardOutput", CannotWrite);
    std::atexit(closeStandardOutput);
}
