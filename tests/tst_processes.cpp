// The program in processes of its own, with no display unless a row gives
// one: the real tinct's answers to its command line; and the error report,
// raised in a handler of the program's windows in this test program started
// again (--child ERROR): the report, nothing run after the error, status 1.

#include "app/commandline.h"
#include "app/errorreport.h"
#include "forms/form1.h"
#include "platform/handlerguard.h"
#include "platform/hscrollbar.h"
#include "version.h"

#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include <unistd.h>

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

QString cannotWrite(int error)
{
    return exactly(u"tinct: cannot write to standard output: %1\n"_s.arg(
            QString::fromLocal8Bit(std::strerror(error))));
}

const QString NoDisplay = exactly(u"tinct: cannot open a display: no X11 or Wayland display "
                                  "answered (check DISPLAY or WAYLAND_DISPLAY)\n"_s);

void raise(Form1 &form, const QString &error)
{
    if (error == u"overflow") {
        ColorValue tooLarge = 16777216;
        CheckedArray<quint8> anRGB(0, 2);
        Form1::LongToRGB(tooLarge, anRGB);
    } else if (error == u"subscript") {
        form.HScroll1_Change(3);
    } else if (error == u"property") {
        form.setBackColor(-1);
    } else if (error == u"library") {
        throw std::length_error("too long");
    } else if (error == u"unknown") {
        throw 42;
    } else { // the inner handler fails; the outer one must not go on
        QObject::connect(&form.HScroll1(1), &QScrollBar::valueChanged, &form,
                         guard([&form] { form.HScroll1_Change(-1); }));
        form.HScroll1(1).setValue(10);
        std::puts("outer handler went on");
    }
    std::puts("handler went on");
}

// Reads and dismisses the report, as a user would, after moving a slider:
// while the report is up, no handler may run.
void answerReport(Form1 &form)
{
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
        form.HScroll1(2).setValue(7);
        if (form.Label1(2).text() == u"7")
            std::puts("a handler ran during the report");
        std::printf("report: %s\n", qUtf8Printable(box->text().replace(u'\n', u' ')));
        std::fflush(stdout);
        box->accept();
    }
    QTimer::singleShot(10, &form, [&form] { answerReport(form); });
}

} // namespace

class tst_Processes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answers_data()
    {
        QTest::addColumn<QString>("arguments");
        // Settings added to one with no display, and stdout redirected as in sh.
        QTest::addColumn<QString>("environment");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // regular expressions
        QTest::addColumn<QString>("err");

        const QString help = u"^Usage: tinct \\[options\\]\\n.*\\n  -h, --help .*\\n  -v, "
                             "--version .*\\n  --color <COLOR> .*\\n  --print .*$"_s;
        const QString version = exactly(u"tinct %1\n"_s.arg(QLatin1StringView(TINCT_VERSION)));
        const QString none = u"^$"_s;
        QTest::newRow("-h") << u"-h"_s << u""_s << 0 << help << none;
        QTest::newRow("--version") << u"--version"_s << u""_s << 0 << version << none;
        QTest::newRow("-v after Qt's options")
                << u"-platform offscreen -reverse -v"_s << u""_s << 0 << version << none;
        QTest::newRow("unknown option")
                << u"--bogus"_s << u""_s << 2 << none << refused(u"unknown option '--bogus'"_s);
        QTest::newRow("argument") << u"some-file"_s << u""_s << 2 << none
                                  << refused(u"unexpected argument 'some-file'"_s);
        QTest::newRow("value of a flag") << u"-reverse=1"_s << u""_s << 2 << none
                                         << refused(u"option '-reverse' takes no value"_s);
        // A value is shown escaped, and only its start.
        QTest::newRow("bad colour")
                << u"--color \n"_s + QString(50, u'x') << u""_s << 2 << none
                << refused(u"invalid color '\\x0a%1...'"_s.arg(QString(39, u'x')));
        // In the user's language, and in English where English comes first:
        // chosen as a user does whose system has no locale of that language.
        QTest::newRow("German") << u"-style"_s << u"LC_ALL=C.UTF-8 LANGUAGE=de"_s << 2 << none
                                << u"^tinct: Option „-style“ benötigt einen Wert\n"_s;
        QTest::newRow("Swedish help")
                << u"-h"_s << u"LC_ALL=C.UTF-8 LANGUAGE=sv"_s << 0
                << u"^Användning: tinct \\[alternativ\\]\\n.*\\nAlternativ:\\n"_s << none;
        QTest::newRow("English before German")
                << u"--bogus"_s << u"LC_ALL=C.UTF-8 LANGUAGE=en_US:de"_s << 2 << none
                << refused(u"unknown option '--bogus'"_s);
        // What cannot be written is a failure. With stdout closed, the first
        // file opened (here the event loop's eventfd) must not take its place.
        QTest::newRow("stdout full")
                << u"-v"_s << u">/dev/full"_s << 1 << none << cannotWrite(ENOSPC);
        QTest::newRow("stdout closed") << u"-v"_s << u">&-"_s << 1 << none << cannotWrite(EBADF);
        QTest::newRow("no display") << u"--color teal"_s << u""_s << 1 << none << NoDisplay;
        QTest::newRow("dead display") << u""_s << u"DISPLAY=:31999"_s << 1 << none << NoDisplay;
        // Nothing waits on an X server that never answers (SILENT) but Qt's.
        QTest::newRow("Wayland") << u""_s
                                 << u"QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=none DISPLAY=SILENT"_s
                                 << 1 << none << NoDisplay;
        QTest::newRow("-platform wayland")
                << u"-platform wayland"_s << u"DISPLAY=SILENT"_s << 1 << none << NoDisplay;
        QTest::newRow("-display") << u"-display :31999"_s << u"DISPLAY=SILENT"_s << 1 << none
                                  << NoDisplay;
        QTest::newRow("no such platform")
                << u""_s << u"QT_QPA_PLATFORM=bogus"_s << 1 << none
                << u"^tinct: the windowing system could not be started:\n"
                   "Could not find the Qt platform plugin \"bogus\" in \"\"\n"_s;
        const std::pair<QString, QString> errors[]
                = {{u"overflow"_s, u"Run-time error '6': Overflow"_s},
                   {u"subscript"_s, u"Run-time error '9': Subscript out of range"_s},
                   {u"property"_s,
                    u"Run-time error '380': Invalid property value: not an RGB color"_s},
                   {u"library"_s, u"Run-time error: too long"_s},
                   {u"unknown"_s, u"Run-time error: Unknown error"_s},
                   {u"nested"_s, u"Run-time error '9': Subscript out of range"_s}};
        for (const auto &[error, message] : errors) // shown, and left in the terminal too
            QTest::addRow("%s error", qPrintable(error))
                    << u"--child "_s + error << u"QT_QPA_PLATFORM=offscreen"_s << 1
                    << exactly(u"report: %1\n"_s.arg(message))
                    << QRegularExpression::escape(u"tinct: "_s + message);
    }
    void colors_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<ColorValue>("color"); // -1: refused

        // What the help names, in either case, blanks around it ignored.
        QTest::newRow("#rgb") << u"#aBc"_s << 0x00CCBBAA;
        QTest::newRow("#rrggbb") << u" #0A141E "_s << 0x001E140A;
        QTest::newRow("name") << u" Teal"_s << 0x00808000;
        // Nothing else QColor reads: alpha first, twelve bits a channel.
        for (const char *value : {"#ff0000ff", "#fffffffff", "#ffffffffffff", "#12345g", "#1234567",
                                  "nonsense", "Transparent", "", "#"})
            QTest::newRow(value) << QString::fromLatin1(value) << -1;
    }
    void colors()
    {
        QFETCH(QString, value);
        QFETCH(ColorValue, color);

        CommandLine commandLine;
        const auto status = readCommandLine({u"tinct"_s, u"--color"_s, value}, commandLine);
        QCOMPARE(status, color < 0 ? std::optional(2) : std::nullopt);
        QCOMPARE(commandLine.startColor.value_or(-1), color);
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
        QTcpServer silent; // the kernel accepts for it
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        environment.replace(u"SILENT"_s, u"127.0.0.1:%1"_s.arg(silent.serverPort() - 6000));
        QProcess tinct;
        for (const QString &setting : environment.split(u' ', Qt::SkipEmptyParts)) {
            if (setting == u">&-")
                tinct.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
            else if (setting.startsWith(u'>'))
                tinct.setStandardOutputFile(setting.sliced(1));
            else
                system.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        }
        tinct.setProcessEnvironment(system);
        tinct.start(arguments.startsWith(u"--child") ? QCoreApplication::applicationFilePath()
                                                     : QStringLiteral(TINCT_PROGRAM),
                    arguments.split(u' ', Qt::SkipEmptyParts));
        QVERIFY(tinct.waitForFinished(arguments.startsWith(u"--child") ? 20000 : 5000));

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
};

int main(int argc, char **argv)
{
    if (argc != 3 || qstrcmp(argv[1], "--child") != 0) {
        QCoreApplication application(argc, argv);
        tst_Processes test;
        return QTest::qExec(&test, argc, argv);
    }
    QApplication application(argc, argv);
    setHandlerErrorReport(ErrorReport::show);
    WindowRegistry windows;
    auto &form = WindowRegistry::get<Form1>();
    form.show();
    const QString error = QString::fromUtf8(argv[2]);
    QTimer::singleShot(0, &form, guard([&form, error] { raise(form, error); }));
    QTimer::singleShot(0, &form, [&form] { answerReport(form); });
    QTimer::singleShot(2000, [] {
        std::puts("another handler ran");
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}

#include "tst_processes.moc"
