#include "runtime.h"

#include "activationrepair.h"

#include <QFont>
#include <QSettings>

void setUpRuntime()
{
    // Linux desktops lack the classic Windows sans face; the metric-compatible
    // Liberation Sans keeps texts at the widths the layouts were drawn for.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));

    // The program reads no settings and writes none. Qt's colour dialog
    // would keep its custom colours in the user's QtProject.conf, shared
    // with every Qt program; pointed below a file, which no directory can
    // be made under, it finds none to read, cannot write, and keeps them
    // for the run only.
    for (const auto scope : {QSettings::UserScope, QSettings::SystemScope})
        QSettings::setPath(QSettings::NativeFormat, scope, QStringLiteral("/dev/null"));

    keepActivationInStep();
}
