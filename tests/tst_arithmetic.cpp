#include "forms/form1.h"
#include "platform/runtimeerror.h"

#include <QColor>
#include <QTest>

#include <limits>
#include <optional>

using Bytes = QList<int>;
using ErrorKind = std::optional<RuntimeError::Kind>;
Q_DECLARE_METATYPE(ErrorKind)

namespace {

constexpr ColorValue Max = std::numeric_limits<ColorValue>::max();
constexpr ColorValue Min = std::numeric_limits<ColorValue>::min();
constexpr RuntimeError::Kind Overflow = RuntimeError::Kind::Overflow;
constexpr RuntimeError::Kind Subscript = RuntimeError::Kind::SubscriptOutOfRange;

// Fills an array before LongToRGB runs, so that an element it never stored
// stands apart from a stored 0.
constexpr int U = 99;

template<typename Call>
ErrorKind raisedBy(Call call)
{
    try {
        call();
    } catch (const RuntimeError &error) {
        return error.kind();
    }
    return {};
}

} // namespace

class tst_Arithmetic : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void composeAndComplement_data();
    void composeAndComplement();
    void notAColour_data();
    void notAColour();
    void longToRGB_data();
    void longToRGB();
};

void tst_Arithmetic::composeAndComplement_data()
{
    QTest::addColumn<Bytes>("channels");
    QTest::addColumn<ColorValue>("color");
    QTest::addColumn<ColorValue>("complement");

    QTest::newRow("black") << Bytes{0, 0, 0} << 0 << 16777215;
    QTest::newRow("red only") << Bytes{200, 0, 0} << 200 << 0x00FFFF37;
    QTest::newRow("red and green") << Bytes{200, 200, 0} << 51400 << 0x00FF3737;
    QTest::newRow("light grey") << Bytes{200, 200, 200} << 13158600 << 0x00373737;
    QTest::newRow("red becomes cyan") << Bytes{255, 0, 0} << 0x000000FF << 0x00FFFF00;
    QTest::newRow("blue is the high byte") << Bytes{0, 0, 255} << 0x00FF0000 << 0x0000FFFF;
    QTest::newRow("mixed") << Bytes{10, 20, 30} << 0x001E140A << 0x00E1EBF5;
    QTest::newRow("white") << Bytes{255, 255, 255} << 16777215 << 0;
}

void tst_Arithmetic::composeAndComplement()
{
    QFETCH(Bytes, channels);
    QFETCH(ColorValue, color);
    QFETCH(ColorValue, complement);

    QCOMPARE(Compose(ChannelValue(channels[0]), ChannelValue(channels[1]),
                     ChannelValue(channels[2])),
             color);
    QCOMPARE(Complement(color), complement);
    QCOMPARE(toQColor(color), QColor(channels[0], channels[1], channels[2]));
    QCOMPARE(toColorValue(QColor(channels[0], channels[1], channels[2])), color);
}

void tst_Arithmetic::notAColour_data()
{
    QTest::addColumn<ColorValue>("color");
    QTest::addColumn<ErrorKind>("complementError");

    QTest::newRow("negative") << -1 << ErrorKind();
    QTest::newRow("above white") << 0x01000000 << ErrorKind();
    // 16777215 - (-2^31) does not fit in 32 bits.
    QTest::newRow("most negative") << Min << ErrorKind(Overflow);
}

void tst_Arithmetic::notAColour()
{
    QFETCH(ColorValue, color);
    QFETCH(ErrorKind, complementError);

    QCOMPARE(raisedBy([&] { toQColor(color); }),
             ErrorKind(RuntimeError::Kind::InvalidPropertyValue));
    QCOMPARE(raisedBy([&] { Complement(color); }), complementError);
}

void tst_Arithmetic::longToRGB_data()
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
    QTest::newRow("black") << 0 << 0 << 2 << none << Bytes{0, 0, 0} << 0;
    QTest::newRow("white") << 16777215 << 0 << 2 << none << Bytes{255, 255, 255} << 0;
    QTest::newRow("light grey") << 13158600 << 0 << 2 << none << Bytes{200, 200, 200} << 0;
    QTest::newRow("red") << 255 << 0 << 2 << none << Bytes{255, 0, 0} << 0;
    QTest::newRow("blue") << 16711680 << 0 << 2 << none << Bytes{0, 0, 255} << 0;
    QTest::newRow("mixed") << 0x001E140A << 0 << 2 << none << Bytes{10, 20, 30} << 0;

    // Too large: the blue quotient fails before anything is stored.
    QTest::newRow("above white") << 16777216 << 0 << 2 << ErrorKind(Overflow) << Bytes{U, U, U}
                                 << 16777216;
    QTest::newRow("largest") << Max << 0 << 2 << ErrorKind(Overflow) << Bytes{U, U, U} << Max;

    // Negative: the first negative quotient fails, with the higher bytes
    // (zero quotients) already stored.
    QTest::newRow("minus one") << -1 << 0 << 2 << ErrorKind(Overflow) << Bytes{U, 0, 0} << -1;
    QTest::newRow("minus 256") << -256 << 0 << 2 << ErrorKind(Overflow) << Bytes{U, U, 0} << -256;
    QTest::newRow("most negative") << Min << 0 << 2 << ErrorKind(Overflow) << Bytes{U, U, U} << Min;

    // Arrays whose bounds do not cover 0 to 2 fail at the first index
    // missing, counting down from blue.
    QTest::newRow("bounds 0 to 1")
            << 13158600 << 0 << 1 << ErrorKind(Subscript) << Bytes{U, U} << 13158600;
    QTest::newRow("bounds 1 to 3")
            << 0x001E140A << 1 << 3 << ErrorKind(Subscript) << Bytes{20, 30, U} << 10;
    QTest::newRow("bounds -1 to 1")
            << 0x001E140A << -1 << 1 << ErrorKind(Subscript) << Bytes{U, U, U} << 0x001E140A;
    QTest::newRow("bounds 0 to 5")
            << 0x001E140A << 0 << 5 << none << Bytes{10, 20, 30, U, U, U} << 0;
}

void tst_Arithmetic::longToRGB()
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

    QCOMPARE(raisedBy([&] { Form1::LongToRGB(L, anRGB); }), error);
    Bytes stored;
    for (int i = anRGB.lowerBound(); i <= anRGB.upperBound(); ++i)
        stored.append(anRGB(i));
    QCOMPARE(stored, bytes);
    QCOMPARE(L, remainder);
}

QTEST_APPLESS_MAIN(tst_Arithmetic)
#include "tst_arithmetic.moc"
