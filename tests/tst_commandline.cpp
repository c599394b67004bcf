// The real program's answers to its command line, with no display at all
// unless a row gives one.

#include "version.h"

#include <QColor>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString exactly(const QString &text)
{
    return u"^%1$"_s.arg(QRegularExpression::escape(text));
}

QString refused(const QString &message)
{
    return exactly(u"tinct: %1\nTry 'tinct --help'.\n"_s.arg(message));
}

const QString NoDisplay = exactly(u"tinct: cannot open a display: no X11 or Wayland display "
                                  "answered (check DISPLAY or WAYLAND_DISPLAY)\n"_s);

} // namespace

class tst_CommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answers_data();
    void answers();
    void completesColourNames();
};

void tst_CommandLine::answers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment"); // added to one with no display
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // regular expressions
    QTest::addColumn<QString>("err");

    const QString help
            = u"^Usage: \\S*tinct \\[options\\]\\n.*\\n  -h, --help .*\\n  -v, --version "
              ".*\\n  --color <COLOR> .*\\n  --print .*$"_s;
    const QString version
            = u"^tinct %1\\n$"_s.arg(QRegularExpression::escape(QLatin1StringView(TINCT_VERSION)));
    QTest::newRow("--help") << QStringList{u"--help"_s} << QStringList{} << 0 << help << u"^$"_s;
    QTest::newRow("-h") << QStringList{u"-h"_s} << QStringList{} << 0 << help << u"^$"_s;
    QTest::newRow("--version") << QStringList{u"--version"_s} << QStringList{} << 0 << version
                               << u"^$"_s;
    QTest::newRow("-v after Qt's options")
            << QStringList{u"-platform"_s, u"offscreen"_s, u"-reverse"_s, u"-v"_s} << QStringList{}
            << 0 << version << u"^$"_s;
    QTest::newRow("unknown option") << QStringList{u"--bogus"_s} << QStringList{} << 2 << u"^$"_s
                                    << refused(u"unknown option '--bogus'"_s);
    QTest::newRow("argument") << QStringList{u"some-file"_s} << QStringList{} << 2 << u"^$"_s
                              << refused(u"unexpected argument 'some-file'"_s);
    QTest::newRow("no colour") << QStringList{u"--print"_s, u"--color"_s} << QStringList{} << 2
                               << u"^$"_s << refused(u"option '--color' needs a value"_s);
    for (const QString &colour : {u"nonsense"_s, u"#1234567"_s, u"#12345g"_s, u"transparent"_s}) {
        QTest::addRow("colour %s", qPrintable(colour))
                << QStringList{u"--color"_s, colour} << QStringList{} << 2 << u"^$"_s
                << refused(u"invalid color '%1'"_s.arg(colour));
    }
    QTest::newRow("no display") << QStringList{u"--color"_s, u"teal"_s} << QStringList{} << 1
                                << u"^$"_s << NoDisplay;
    QTest::newRow("dead display") << QStringList{} << QStringList{u"DISPLAY=:31999"_s} << 1
                                  << u"^$"_s << NoDisplay;
    QTest::newRow("no such platform")
            << QStringList{} << QStringList{u"QT_QPA_PLATFORM=bogus"_s} << 1 << u"^$"_s
            << u"^tinct: the windowing system could not be started:\n"
               "Could not find the Qt platform plugin \"bogus\" in \"\"\n"_s;
}

void tst_CommandLine::answers()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

    QProcessEnvironment system = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        system.remove(QString::fromLatin1(name));
    for (const QString &setting : environment)
        system.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    QProcess tinct;
    tinct.setProcessEnvironment(system);
    tinct.start(QStringLiteral(TINCT_PROGRAM), arguments);
    QVERIFY(tinct.waitForFinished(20000));

    QCOMPARE(tinct.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tinct.exitCode(), status);
    const auto matches = [](const QString &pattern, const QByteArray &output) {
        const QString text = QString::fromUtf8(output);
        const QRegularExpression expression(pattern,
                                            QRegularExpression::DotMatchesEverythingOption);
        return expression.match(text).hasMatch() ? QString() : text;
    };
    QCOMPARE(matches(out, tinct.readAllStandardOutput()), QString());
    QCOMPARE(matches(err, tinct.readAllStandardError()), QString());
}

// After --color, bash offers the names of all opaque colours Qt knows.
void tst_CommandLine::completesColourNames()
{
    QProcess bash;
    bash.start(u"bash"_s,
               {u"-c"_s,
                u"source '%1'; COMP_WORDS=(tinct --color ''); COMP_CWORD=2; "
                "_tinct; printf '%s\\n' \"${COMPREPLY[@]}\""_s.arg(
                        QString::fromUtf8(TINCT_COMPLETION))});
    QVERIFY(bash.waitForFinished(20000));
    QStringList opaque = QColor::colorNames();
    opaque.removeIf([](const QString &name) { return QColor::fromString(name).alpha() != 255; });
    QCOMPARE(QString::fromUtf8(bash.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
             opaque);
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
