#include "chosencolor.h"
#include "commandline.h"
#include "errorreport.h"
#include "forms/form1.h"
#include "platform/handlerguard.h"
#include "startup.h"
#include "termination.h"
#include "translations.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char **argv)
{
    nameApplication();
    Translations translations;
    CommandLine commandLine;
    {
        // Read before the display is opened: --help and bad input need none.
        const QCoreApplication reader(argc, argv);
        translations.install();
        if (const auto status = readCommandLine(QCoreApplication::arguments(), commandLine))
            return *status;
    }

    const auto application = createApplication(argc, argv, translations);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/org.tinct.Tinct-64.png")));
    setHandlerErrorReport(ErrorReport::show);
    WindowRegistry windows;
    const ChosenColor chosen(windows);
    endOnTerminationSignals(windows, application.get());
    guarded([&commandLine] {
        auto &form = WindowRegistry::get<Form1>();
        if (commandLine.startColor)
            form.takeWindowColor(*commandLine.startColor);
        form.show();
    });

    const int status = QApplication::exec();
    if (status == EXIT_SUCCESS && commandLine.printColor)
        std::printf("%s\n", qUtf8Printable(chosen.name()));
    return status;
}
