#include "chosencolor.h"
#include "commandline.h"
#include "errorreport.h"
#include "forms/form1.h"
#include "platform/handlerguard.h"
#include "platform/runtime.h"
#include "standardoutput.h"
#include "startup.h"
#include "translations.h"

#include <QApplication>
#include <QIcon>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    nameApplication();
    Translations translations;
    checkStandardOutput(translations);
    CommandLine commandLine;
    {
        // Read before the display is opened: --help and bad input need none.
        // The help names the program, not the path that started it.
        char name[] = "tinct";
        std::vector<char *> named{name};
        named.insert(named.end(), argv + std::min(argc, 1), argv + argc);
        int count = static_cast<int>(named.size());
        named.push_back(nullptr);
        const QCoreApplication reader(count, named.data());
        translations.install();
        if (const auto status = readCommandLine(QCoreApplication::arguments(), commandLine))
            return *status;
    }

    const auto application = createApplication(argc, argv, translations);
    setUpRuntime();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/org.tinct.Tinct-64.png")));
    setHandlerErrorReport(ErrorReport::show);
    WindowRegistry windows;
    const ChosenColor chosen(windows);
    guarded([&commandLine] {
        auto &form = WindowRegistry::get<Form1>();
        if (commandLine.startColor)
            form.takeWindowColor(*commandLine.startColor);
        form.show();
    });

    // SIGINT, SIGTERM and SIGHUP keep their default action (or the one the
    // program was started with, as under nohup): an interrupted run ends as
    // killed by the signal and prints nothing, so a script sees no choice.
    const int status = QApplication::exec();
    if (status == EXIT_SUCCESS && commandLine.printColor)
        std::printf("%s\n", qUtf8Printable(chosen.name()));
    return status;
}
