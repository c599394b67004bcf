// Raises an error inside an event handler of the real program, in a child
// process (this program, started again with the error's name), and checks
// what the user sees: the report, nothing run after the error, status 1.

#include "app/errorreport.h"
#include "forms/form1.h"
#include "platform/handlerguard.h"
#include "platform/hscrollbar.h"

#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

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
    } else { // the inner handler fails; the outer one must not go on
        QObject::connect(&form.HScroll1(1), &QScrollBar::valueChanged, &form,
                         guard([&form] { form.HScroll1_Change(-1); }));
        form.HScroll1(1).setValue(10);
        std::puts("outer handler went on");
    }
    std::puts("handler went on");
}

// Reads and dismisses the report, as a user would.
void answerReport()
{
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
        std::printf("report: %s\n", qUtf8Printable(box->text().replace(u'\n', u' ')));
        std::fflush(stdout);
        box->accept();
    }
    QTimer::singleShot(10, answerReport);
}

} // namespace

class tst_ErrorReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reportEndsProgram_data()
    {
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("message");
        QTest::newRow("overflow") << "overflow"
                                  << "Run-time error '6': Overflow";
        QTest::newRow("subscript") << "subscript"
                                   << "Run-time error '9': Subscript out of range";
        QTest::newRow("toolkit")
                << "property"
                << "Run-time error '380': Invalid property value: not an RGB color";
        QTest::newRow("nested handler") << "nested"
                                        << "Run-time error '9': Subscript out of range";
    }

    void reportEndsProgram()
    {
        QFETCH(QString, error);
        QFETCH(QString, message);

        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {u"--child"_s, error});
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 1);
        // Shown to the user, and left in the terminal too.
        QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()), u"report: %1\n"_s.arg(message));
        const QString errors = QString::fromUtf8(child.readAllStandardError());
        QVERIFY2(errors.contains(u"tinct: "_s + message), qPrintable(errors));
    }
};

int main(int argc, char **argv)
{
    if (argc != 3 || qstrcmp(argv[1], "--child") != 0) {
        QCoreApplication application(argc, argv);
        tst_ErrorReport test;
        return QTest::qExec(&test, argc, argv);
    }
    QApplication application(argc, argv);
    setHandlerErrorReport(ErrorReport::show);
    WindowRegistry windows;
    Form1 &form = WindowRegistry::get<Form1>();
    form.show();
    const QString error = QString::fromUtf8(argv[2]);
    QTimer::singleShot(0, &form, guard([&form, error] { raise(form, error); }));
    QTimer::singleShot(0, answerReport);
    QTimer::singleShot(2000, [] {
        std::puts("another handler ran");
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}

#include "tst_errorreport.moc"
