#include "errorreport.h"

#include "platform/runtimeerror.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

[[noreturn]] void report(const QString &message)
{
    std::fprintf(stderr, "tinct: %s\n", qUtf8Printable(QString(message).replace(u'\n', u' ')));
    std::fflush(stderr);
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QMessageBox::critical(nullptr, QApplication::applicationDisplayName(), message);
    std::_Exit(EXIT_FAILURE);
}

QString runTimeError(int number, const QString &description)
{
    return QStringLiteral("Run-time error '%1':\n%2").arg(number).arg(description);
}

} // namespace

namespace ErrorReport {

void fail(const std::exception &error)
{
    if (const auto *runtime = dynamic_cast<const RuntimeError *>(&error))
        report(runTimeError(runtime->number(), QString::fromUtf8(runtime->what())));
    if (dynamic_cast<const std::bad_alloc *>(&error))
        report(runTimeError(7, QStringLiteral("Out of memory")));
    report(QStringLiteral("Run-time error:\n%1").arg(QString::fromUtf8(error.what())));
}

void failUnknown()
{
    report(QStringLiteral("Run-time error:\nUnknown error"));
}

} // namespace ErrorReport
