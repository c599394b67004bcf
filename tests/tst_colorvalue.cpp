#include "platform/colorvalue.h"
#include "platform/runtimeerror.h"

#include <QColor>
#include <QTest>

class tst_ColorValue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void compose_data();
    void compose();
    void complement_data();
    void complement();
    void complementOutOfRange();
    void qcolorRoundTrip_data();
    void qcolorRoundTrip();
    void notAColour_data();
    void notAColour();
};

void tst_ColorValue::compose_data()
{
    QTest::addColumn<ChannelValue>("red");
    QTest::addColumn<ChannelValue>("green");
    QTest::addColumn<ChannelValue>("blue");
    QTest::addColumn<ColorValue>("expected");

    QTest::newRow("black") << ChannelValue(0) << ChannelValue(0) << ChannelValue(0) << 0;
    QTest::newRow("red only") << ChannelValue(200) << ChannelValue(0) << ChannelValue(0) << 200;
    QTest::newRow("red and green")
            << ChannelValue(200) << ChannelValue(200) << ChannelValue(0) << 51400;
    QTest::newRow("light grey") << ChannelValue(200) << ChannelValue(200) << ChannelValue(200)
                                << 13158600;
    QTest::newRow("blue is the high byte")
            << ChannelValue(0) << ChannelValue(0) << ChannelValue(255) << 0x00FF0000;
    QTest::newRow("white") << ChannelValue(255) << ChannelValue(255) << ChannelValue(255)
                           << 16777215;
}

void tst_ColorValue::compose()
{
    QFETCH(ChannelValue, red);
    QFETCH(ChannelValue, green);
    QFETCH(ChannelValue, blue);
    QFETCH(ColorValue, expected);
    QCOMPARE(Compose(red, green, blue), expected);
}

void tst_ColorValue::complement_data()
{
    QTest::addColumn<ColorValue>("color");
    QTest::addColumn<ColorValue>("expected");

    QTest::newRow("black") << 0 << 16777215;
    QTest::newRow("white") << 16777215 << 0;
    QTest::newRow("light grey") << 0x00C8C8C8 << 0x00373737;
    QTest::newRow("red becomes cyan") << 0x000000FF << 0x00FFFF00;
    QTest::newRow("mixed") << 0x001E140A << 0x00E1EBF5;
}

void tst_ColorValue::complement()
{
    QFETCH(ColorValue, color);
    QFETCH(ColorValue, expected);
    QCOMPARE(Complement(color), expected);
    QCOMPARE(Complement(Complement(color)), color);
}

void tst_ColorValue::complementOutOfRange()
{
    // 16777215 - (-2^31) does not fit in 32 bits.
    try {
        Complement(std::numeric_limits<ColorValue>::min());
        QFAIL("expected an overflow");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.kind(), RuntimeError::Kind::Overflow);
        QCOMPARE(error.number(), 6);
    }
}

void tst_ColorValue::qcolorRoundTrip_data()
{
    QTest::addColumn<ColorValue>("color");
    QTest::addColumn<QColor>("qcolor");

    QTest::newRow("black") << 0 << QColor(0, 0, 0);
    QTest::newRow("red") << 0x000000FF << QColor(255, 0, 0);
    QTest::newRow("green") << 0x0000FF00 << QColor(0, 255, 0);
    QTest::newRow("light blue") << 0x00FF8080 << QColor(128, 128, 255);
    QTest::newRow("mixed") << 0x001E140A << QColor(10, 20, 30);
    QTest::newRow("white") << 0x00FFFFFF << QColor(255, 255, 255);
}

void tst_ColorValue::qcolorRoundTrip()
{
    QFETCH(ColorValue, color);
    QFETCH(QColor, qcolor);
    QCOMPARE(toQColor(color), qcolor);
    QCOMPARE(toColorValue(qcolor), color);
}

void tst_ColorValue::notAColour_data()
{
    QTest::addColumn<ColorValue>("color");
    QTest::newRow("negative") << -1;
    QTest::newRow("above white") << 0x01000000;
}

void tst_ColorValue::notAColour()
{
    QFETCH(ColorValue, color);
    try {
        toQColor(color);
        QFAIL("expected an invalid property value");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.kind(), RuntimeError::Kind::InvalidPropertyValue);
    }
}

QTEST_APPLESS_MAIN(tst_ColorValue)
#include "tst_colorvalue.moc"
