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
    return QStringLiteral("Run-time error '%1':\n%2").arg(number).arg(description);
}

QString messageFor(const std::exception *error)
{
    if (const auto *runtime = dynamic_cast<const RuntimeError *>(error))
        return runTimeError(runtime->number(), QString::fromUtf8(runtime->what()));
    if (dynamic_cast<const std::bad_alloc *>(error))
        return runTimeError(7, QStringLiteral("Out of memory"));
    if (error)
        return QStringLiteral("Run-time error:\n%1").arg(QString::fromUtf8(error->what()));
    return QStringLiteral("Run-time error:\nUnknown error");
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
