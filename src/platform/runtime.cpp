#include "runtime.h"

#include <QSettings>

void setUpRuntime()
{
    // The program reads no settings and writes none. Qt's colour dialog
    // would keep its custom colours in the user's QtProject.conf, shared
    // with every Qt program; pointed below a file, which no directory can
    // be made under, it finds none to read, cannot write, and keeps them
    // for the run only.
    for (const auto scope : {QSettings::UserScope, QSettings::SystemScope})
        QSettings::setPath(QSettings::NativeFormat, scope, QStringLiteral("/dev/null"));
}
