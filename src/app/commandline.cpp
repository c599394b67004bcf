#include "commandline.h"

#include <QColor>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int BadUsage = 2;

// The texts of the command line, in the user's language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// Qt's own options, which QApplication reads and takes away later: known
// here, so that they are not refused, and not shown in the help.
QList<QCommandLineOption> qtOptions()
{
    QList<QCommandLineOption> options;
    for (const char *name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "display", "geometry",
          "qwindowgeometry", "title", "qwindowtitle", "icon", "qwindowicon", "name", "style",
          "stylesheet", "session", "visual", "dialogs", "fontengine", "qmljsdebugger"})
        options.append({QString::fromLatin1(name), {}, QStringLiteral("value")});
    for (const char *name : {"reverse", "widgetcount", "sync", "nograb", "dograb", "testability"})
        options.append(QCommandLineOption(QString::fromLatin1(name)));
    for (QCommandLineOption &option : options)
        option.setFlags(QCommandLineOption::HiddenFromHelp);
    return options;
}

int refuse(const QString &message)
{
    std::fprintf(stderr, "tinct: %s\n%s\n", qUtf8Printable(message),
                 qUtf8Printable(Texts::tr("Try 'tinct --help'.")));
    return BadUsage;
}

// What the parser found wrong, in the words of other command-line tools.
QString complaint(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    for (const QString &argument : arguments.mid(1)) {
        const QString option = argument.section(u'=', 0, 0);
        if (!unknown.isEmpty() && argument.startsWith(u'-')
            && QStringView(option).sliced(option.startsWith(u"--") ? 2 : 1) == unknown.first())
            return Texts::tr("unknown option '%1'").arg(option);
    }
    if (arguments.last() == u"--color" || arguments.last() == u"-color")
        return Texts::tr("option '%1' needs a value").arg(arguments.last());
    return parser.errorText();
}

} // namespace

std::optional<int> readCommandLine(const QStringList &arguments, CommandLine &commandLine)
{
    QCommandLineParser parser;
    // As Qt's own options are written: -style, not -s -t -y -l -e.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
            Texts::tr("Choose a window color with red, green and blue sliders.\n"
                      "Qt's own options, such as -platform, -display and -style, work too."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  Texts::tr("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     Texts::tr("Show the version and exit."));
    const QCommandLineOption color(
            QStringLiteral("color"),
            Texts::tr(
                    "Start with COLOR as the window color: #rgb, #rrggbb or a name such as teal."),
            Texts::tr("COLOR"));
    const QCommandLineOption print(QStringLiteral("print"),
                                   Texts::tr("When the program ends, write the window color to "
                                             "standard output as #rrggbb."));
    parser.addOptions({help, version, color, print});
    parser.addOptions(qtOptions());

    if (!parser.parse(arguments))
        return refuse(complaint(parser, arguments));
    if (parser.isSet(help)) {
        std::fputs(qUtf8Printable(parser.helpText()), stdout);
        return EXIT_SUCCESS;
    }
    if (parser.isSet(version)) {
        std::printf("tinct %s\n", qUtf8Printable(QCoreApplication::applicationVersion()));
        return EXIT_SUCCESS;
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(
                Texts::tr("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    if (parser.isSet(color)) {
        // Opaque colours only: a window has no transparency.
        const QColor start = QColor::fromString(parser.value(color));
        if (!start.isValid() || start.alpha() != 255)
            return refuse(Texts::tr("invalid color '%1'").arg(parser.value(color)));
        commandLine.startColor = toColorValue(start);
    }
    commandLine.printColor = parser.isSet(print);
    return std::nullopt;
}
