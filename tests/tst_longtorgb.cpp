#include "forms/form1.h"
#include "platform/runtimeerror.h"

#include <QTest>

#include <optional>

using Bytes = QList<int>;
using ErrorKind = std::optional<RuntimeError::Kind>;
Q_DECLARE_METATYPE(ErrorKind)

// Fills the array before the call, so that an element LongToRGB never
// stored stands apart from a stored 0.
constexpr int U = 99;

class tst_LongToRGB : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void split_data();
    void split();
};

void tst_LongToRGB::split_data()
{
    QTest::addColumn<ColorValue>("value");
    QTest::addColumn<int>("lowerBound");
    QTest::addColumn<int>("upperBound");
    QTest::addColumn<ErrorKind>("error");
    // The array's elements from its lower bound up, and L, when LongToRGB
    // returns or fails.
    QTest::addColumn<Bytes>("bytes");
    QTest::addColumn<ColorValue>("remainder");

    const ErrorKind none;
    const ErrorKind overflow = RuntimeError::Kind::Overflow;
    const ErrorKind subscript = RuntimeError::Kind::SubscriptOutOfRange;

    QTest::newRow("black") << 0 << 0 << 2 << none << Bytes{0, 0, 0} << 0;
    QTest::newRow("white") << 16777215 << 0 << 2 << none << Bytes{255, 255, 255} << 0;
    QTest::newRow("light grey") << 13158600 << 0 << 2 << none << Bytes{200, 200, 200} << 0;
    QTest::newRow("red") << 255 << 0 << 2 << none << Bytes{255, 0, 0} << 0;
    QTest::newRow("blue") << 16711680 << 0 << 2 << none << Bytes{0, 0, 255} << 0;
    QTest::newRow("mixed") << 0x001E140A << 0 << 2 << none << Bytes{10, 20, 30} << 0;

    // Too large: the blue quotient fails before anything is stored.
    QTest::newRow("just above white")
            << 16777216 << 0 << 2 << overflow << Bytes{U, U, U} << 16777216;
    QTest::newRow("largest") << std::numeric_limits<ColorValue>::max() << 0 << 2 << overflow
                             << Bytes{U, U, U} << std::numeric_limits<ColorValue>::max();

    // Negative: the first negative quotient fails, with the higher bytes
    // (zero quotients) already stored.
    QTest::newRow("minus one") << -1 << 0 << 2 << overflow << Bytes{U, 0, 0} << -1;
    QTest::newRow("minus 256") << -256 << 0 << 2 << overflow << Bytes{U, U, 0} << -256;
    QTest::newRow("minus 65536") << -65536 << 0 << 2 << overflow << Bytes{U, U, U} << -65536;
    QTest::newRow("most negative") << std::numeric_limits<ColorValue>::min() << 0 << 2 << overflow
                                   << Bytes{U, U, U} << std::numeric_limits<ColorValue>::min();

    // Arrays whose bounds do not cover 0 to 2 fail at the first index
    // missing, counting down from blue.
    QTest::newRow("bounds 0 to 1") << 13158600 << 0 << 1 << subscript << Bytes{U, U} << 13158600;
    QTest::newRow("bounds 1 to 3") << 0x001E140A << 1 << 3 << subscript << Bytes{20, 30, U} << 10;
    QTest::newRow("bounds -1 to 1")
            << 0x001E140A << -1 << 1 << subscript << Bytes{U, U, U} << 0x001E140A;
    QTest::newRow("bounds 0 to 5")
            << 0x001E140A << 0 << 5 << none << Bytes{10, 20, 30, U, U, U} << 0;
}

void tst_LongToRGB::split()
{
    QFETCH(ColorValue, value);
    QFETCH(int, lowerBound);
    QFETCH(int, upperBound);
    QFETCH(ErrorKind, error);
    QFETCH(Bytes, bytes);
    QFETCH(ColorValue, remainder);

    ColorValue L = value;
    CheckedArray<quint8> anRGB(lowerBound, upperBound);
    for (int i = lowerBound; i <= upperBound; ++i)
        anRGB(i) = U;
    ErrorKind raised;
    try {
        Form1::LongToRGB(L, anRGB);
    } catch (const RuntimeError &e) {
        raised = e.kind();
    }

    QCOMPARE(raised, error);
    Bytes stored;
    for (int i = anRGB.lowerBound(); i <= anRGB.upperBound(); ++i)
        stored.append(anRGB(i));
    QCOMPARE(stored, bytes);
    QCOMPARE(L, remainder);
}

QTEST_APPLESS_MAIN(tst_LongToRGB)
#include "tst_longtorgb.moc"
