#include "commandline.h"

#include <QColor>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

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

// A value from the command line as an error message shows it: the first
// characters only, and control characters escaped, so that no value can flood
// the terminal or break the message across lines.
QString shown(const QString &value)
{
    constexpr qsizetype Shown = 40;
    QString text;
    const QList<uint> characters = value.toUcs4();
    for (const char32_t character : characters.first(std::min(Shown, characters.size()))) {
        if (character < 0x20 || (character >= 0x7f && character < 0xa0))
            text += u"\\x%1"_s.arg(uint(character), 2, 16, QChar(u'0'));
        else
            text += QString::fromUcs4(&character, 1);
    }
    if (characters.size() > Shown)
        text += u"..."_s;
    return text;
}

// #rgb, #rrggbb or the name of an opaque colour, as the help says: nothing of
// what else QColor reads, such as #aarrggbb, whose alpha would come first.
std::optional<ColorValue> colorFrom(const QString &value)
{
    static const QRegularExpression hex(u"^#([0-9a-f]{3}|[0-9a-f]{6})$"_s,
                                        QRegularExpression::CaseInsensitiveOption);
    const QString name = value.trimmed();
    const bool named = name.compare(u"transparent"_s, Qt::CaseInsensitive) != 0
            && QColor::colorNames().contains(name, Qt::CaseInsensitive);
    if (!named && !hex.match(name).hasMatch())
        return std::nullopt;
    return toColorValue(QColor::fromString(name));
}

int refuse(const QString &message)
{
    std::fprintf(stderr, "tinct: %s\n%s\n", qUtf8Printable(message),
                 qUtf8Printable(Texts::tr("Try 'tinct --help'.")));
    return BadUsage;
}

// What the parser found wrong, worded and quoted as the program's other
// messages are, not as QCommandLineParser's (which Qt's catalogues translate
// in a style of their own). It fails on an unknown option, a value given to
// an option that takes none, or an option that takes one left last without it.
QString complaint(const QCommandLineParser &parser, const QStringList &arguments,
                  const QList<QCommandLineOption> &options)
{
    const QStringList unknown = parser.unknownOptionNames();
    for (const QString &argument : arguments.mid(1)) {
        if (!argument.startsWith(u'-'))
            continue;
        const QString option = argument.section(u'=', 0, 0);
        const QString name = option.sliced(option.startsWith(u"--") ? 2 : 1);
        if (!unknown.isEmpty() && name == unknown.first())
            return Texts::tr("unknown option '%1'").arg(shown(option));
        const bool flag = std::any_of(options.begin(), options.end(), [&](const auto &known) {
            return known.names().contains(name) && known.valueName().isEmpty();
        });
        if (flag && argument.contains(u'='))
            return Texts::tr("option '%1' takes no value").arg(shown(option));
    }
    return Texts::tr("option '%1' needs a value").arg(shown(arguments.last()));
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
    const QList<QCommandLineOption> options = QList{help, version, color, print} + qtOptions();
    parser.addOptions(options);

    if (!parser.parse(arguments))
        return refuse(complaint(parser, arguments, options));
    if (parser.isSet(help)) {
        std::fputs(qUtf8Printable(parser.helpText()), stdout);
        return EXIT_SUCCESS;
    }
    if (parser.isSet(version)) {
        std::printf("tinct %s\n", qUtf8Printable(QCoreApplication::applicationVersion()));
        return EXIT_SUCCESS;
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(Texts::tr("unexpected argument '%1'")
                              .arg(shown(parser.positionalArguments().first())));
    if (parser.isSet(color)) {
        commandLine.startColor = colorFrom(parser.value(color));
        if (!commandLine.startColor)
            return refuse(Texts::tr("invalid color '%1'").arg(shown(parser.value(color))));
    }
    commandLine.printColor = parser.isSet(print);
    return std::nullopt;
}
