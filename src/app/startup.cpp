#include "startup.h"

#include "platform/sessionbus.h"
#include "translations.h"
#include "version.h"

#include <QApplication>
#include <QList>

#include <algorithm>

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
// passed on as usual, on failure it explains the failure.
QList<HeldMessage> s_held;

// What the X11 and Wayland platforms say when no server answers.
bool saysNoDisplay(const HeldMessage &message)
{
    return message.text.startsWith(u"could not connect to display")
            || message.text.startsWith(u"Failed to create wl_display");
}

// The application object does not have the translations yet.
const Translations *s_translations = nullptr;

const char *const NoDisplay = QT_TRANSLATE_NOOP(
        "Startup",
        "cannot open a display: no X11 or Wayland display answered (check DISPLAY or "
        "WAYLAND_DISPLAY)");
const char *const NoWindowingSystem
        = QT_TRANSLATE_NOOP("Startup", "the windowing system could not be started:");

[[noreturn]] void failToStart(const QString &fatal)
{
    const bool noDisplay = std::any_of(s_held.cbegin(), s_held.cend(), saysNoDisplay);
    std::fprintf(stderr, "tinct: %s\n",
                 qUtf8Printable(s_translations->translate(
                         "Startup", noDisplay ? NoDisplay : NoWindowingSystem)));
    if (!noDisplay) {
        // Anything else, a missing platform plugin say, is best told in
        // the platform's own words.
        for (const HeldMessage &message : std::as_const(s_held))
            std::fprintf(stderr, "%s\n", qUtf8Printable(message.text));
        std::fprintf(stderr, "%s\n", qUtf8Printable(fatal.trimmed()));
    }
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg)
        failToStart(text);
    s_held.append({type, context.file, context.line, context.function, context.category, text});
}

} // namespace

void nameApplication()
{
    QApplication::setApplicationName(QStringLiteral("tinct"));
    QApplication::setApplicationVersion(QStringLiteral(TINCT_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(TINCT_APP_ID));
}

std::unique_ptr<QApplication> createApplication(int &argc, char **argv, Translations &translations)
{
    s_translations = &translations;
    declineSessionBusAutolaunch({argv, static_cast<std::size_t>(argc)});
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);

    for (const HeldMessage &message : std::as_const(s_held)) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        qt_message_output(message.type, context, message.text);
    }
    s_held.clear();
    translations.install();
    return application;
}
