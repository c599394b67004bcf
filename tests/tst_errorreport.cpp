#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_ErrorReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reportEndsProgram_data();
    void reportEndsProgram();
};

void tst_ErrorReport::reportEndsProgram_data()
{
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("message");

    QTest::newRow("overflow") << "overflow"
                              << "Run-time error '6': Overflow";
    QTest::newRow("subscript") << "subscript"
                               << "Run-time error '9': Subscript out of range";
    QTest::newRow("toolkit") << "property"
                             << "Run-time error '380': Invalid property value: not an RGB colour";
    QTest::newRow("nested handler") << "nested"
                                    << "Run-time error '9': Subscript out of range";
}

void tst_ErrorReport::reportEndsProgram()
{
    QFETCH(QString, error);
    QFETCH(QString, message);

    QProcess child;
    child.start(QStringLiteral(ERRORCHILD), {error});
    QVERIFY(child.waitForFinished(20000));

    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    const QString errors = QString::fromUtf8(child.readAllStandardError());
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 1);
    // Shown to the user, and left in the terminal too.
    QCOMPARE(output, u"report: %1\n"_s.arg(message));
    QVERIFY2(errors.contains(u"tinct: "_s + message), qPrintable(errors));
}

QTEST_GUILESS_MAIN(tst_ErrorReport)
#include "tst_errorreport.moc"
