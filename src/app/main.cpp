#include "errorreport.h"
#include "forms/form1.h"
#include "shell.h"
#include "startup.h"
#include "termination.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char **argv)
{
    const auto application = createApplication(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/org.tinct.Tinct-64.png")));
    Shell shell;
    endOnTerminationSignals(shell, application.get());
    guarded([&shell] { shell.form1().show(); });
    return QApplication::exec();
}
