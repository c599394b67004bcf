#include "startup.h"

#include "version.h"

#include <QApplication>
#include <QList>

#include <cstdio>
#include <cstdlib>

namespace {

struct HeldMessage
{
    QtMsgType type;
    const char *file;
    int line;
    const char *function;
    const char *category;
    QString text;
};

// What the platform says while it starts up is held back: on success it is
// passed on as usual, on failure it is replaced by one clear line.
QList<HeldMessage> s_held;

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fputs("tinct: cannot open a display: no X11 or Wayland display answered "
                   "(check DISPLAY or WAYLAND_DISPLAY)\n",
                   stderr);
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
    s_held.append({type, context.file, context.line, context.function, context.category, text});
}

} // namespace

std::unique_ptr<QApplication> createApplication(int &argc, char **argv)
{
    QApplication::setApplicationName(QStringLiteral("tinct"));
    QApplication::setApplicationVersion(QStringLiteral(TINCT_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(TINCT_APP_ID));

    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);

    for (const HeldMessage &message : std::as_const(s_held)) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        qt_message_output(message.type, context, message.text);
    }
    s_held.clear();
    return application;
}
