#include "errorreport.h"
#include "forms/form1.h"
#include "platform/handlerguard.h"
#include "startup.h"
#include "termination.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char **argv)
{
    const auto application = createApplication(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/org.tinct.Tinct-64.png")));
    setHandlerErrorReport(ErrorReport::show);
    WindowRegistry windows;
    endOnTerminationSignals(windows, application.get());
    guarded([] { WindowRegistry::get<Form1>().show(); });
    return QApplication::exec();
}
