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
    void answers_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("environment"); // added to one with no display
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // regular expressions
        QTest::addColumn<QString>("err");

        const QString help = u"^Usage: \\S*tinct \\[options\\]\\n.*\\n  -h, --help .*\\n  -v, "
                             "--version .*\\n  --color <COLOR> .*\\n  --print .*$"_s;
        const QString version = exactly(u"tinct %1\n"_s.arg(QLatin1StringView(TINCT_VERSION)));
        const QString none = u"^$"_s;
        QTest::newRow("--help") << u"--help"_s << u""_s << 0 << help << none;
        QTest::newRow("-h") << u"-h"_s << u""_s << 0 << help << none;
        QTest::newRow("--version") << u"--version"_s << u""_s << 0 << version << none;
        QTest::newRow("-v after Qt's options")
                << u"-platform offscreen -reverse -v"_s << u""_s << 0 << version << none;
        QTest::newRow("unknown option")
                << u"--bogus"_s << u""_s << 2 << none << refused(u"unknown option '--bogus'"_s);
        QTest::newRow("argument") << u"some-file"_s << u""_s << 2 << none
                                  << refused(u"unexpected argument 'some-file'"_s);
        QTest::newRow("no colour") << u"--print --color"_s << u""_s << 2 << none
                                   << refused(u"option '--color' needs a value"_s);
        for (const QString &colour : {u"nonsense"_s, u"#1234567"_s, u"#12345g"_s, u"transparent"_s})
            QTest::addRow("colour %s", qPrintable(colour))
                    << u"--color "_s + colour << u""_s << 2 << none
                    << refused(u"invalid color '%1'"_s.arg(colour));
        QTest::newRow("no display") << u"--color teal"_s << u""_s << 1 << none << NoDisplay;
        QTest::newRow("dead display") << u""_s << u"DISPLAY=:31999"_s << 1 << none << NoDisplay;
        QTest::newRow("no such platform")
                << u""_s << u"QT_QPA_PLATFORM=bogus"_s << 1 << none
                << u"^tinct: the windowing system could not be started:\n"
                   "Could not find the Qt platform plugin \"bogus\" in \"\"\n"_s;
    }
    void answers()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, environment);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);

        QProcessEnvironment system = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            system.remove(QString::fromLatin1(name));
        if (!environment.isEmpty())
            system.insert(environment.section(u'=', 0, 0), environment.section(u'=', 1));
        QProcess tinct;
        tinct.setProcessEnvironment(system);
        tinct.start(QStringLiteral(TINCT_PROGRAM), arguments.split(u' ', Qt::SkipEmptyParts));
        QVERIFY(tinct.waitForFinished(20000));

        QCOMPARE(tinct.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tinct.exitCode(), status);
        const auto unmatched = [](const QString &pattern, const QByteArray &output) {
            const QRegularExpression expected(pattern,
                                              QRegularExpression::DotMatchesEverythingOption);
            return expected.match(QString::fromUtf8(output)).hasMatch() ? QString()
                                                                        : QString::fromUtf8(output);
        };
        QCOMPARE(unmatched(out, tinct.readAllStandardOutput()), QString());
        QCOMPARE(unmatched(err, tinct.readAllStandardError()), QString());
    }
    // After --color, bash offers the names of all opaque colours Qt knows.
    void completesColourNames()
    {
        QProcess bash;
        bash.start(u"bash"_s,
                   {u"-c"_s,
                    u"source '%1'; COMP_WORDS=(tinct --color ''); COMP_CWORD=2; "
                    "_tinct; printf '%s\\n' \"${COMPREPLY[@]}\""_s.arg(
                            QString::fromUtf8(TINCT_COMPLETION))});
        QVERIFY(bash.waitForFinished(20000));
        QStringList opaque = QColor::colorNames();
        opaque.removeIf(
                [](const QString &name) { return QColor::fromString(name).alpha() != 255; });
        QCOMPARE(QString::fromUtf8(bash.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
                 opaque);
    }
};

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
