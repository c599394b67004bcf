#include "errorreport.h"

#include "platform/runtimeerror.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

QString runTimeError(int number, const QString &description)
{
    return QCoreApplication::translate("ErrorReport", "Run-time error '%1':\n%2")
            .arg(number)
            .arg(description);
}

QString messageFor(const std::exception *error)
{
    if (const auto *runtime = dynamic_cast<const RuntimeError *>(error))
        return runTimeError(runtime->number(), runtime->description());
    if (dynamic_cast<const std::bad_alloc *>(error))
        return runTimeError(7, QCoreApplication::translate("ErrorReport", "Out of memory"));
    const QString description = error ? QString::fromUtf8(error->what())
                                      : QCoreApplication::translate("ErrorReport", "Unknown error");
    return QCoreApplication::translate("ErrorReport", "Run-time error:\n%1").arg(description);
}

} // namespace

namespace ErrorReport {

void show(const std::exception *error)
{
    const QString message = messageFor(error);
    std::fprintf(stderr, "tinct: %s\n", qUtf8Printable(QString(message).replace(u'\n', u' ')));
    std::fflush(stderr);
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QMessageBox::critical(nullptr, QApplication::applicationDisplayName(), message);
    std::_Exit(EXIT_FAILURE);
}

} // namespace ErrorReport
