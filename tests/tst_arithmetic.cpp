#include "forms/form1.h"
#include "platform/runtimeerror.h"

#include <QColor>
#include <QTest>

#include <limits>
#include <optional>

using Bytes = QList<int>;
using Error = std::optional<RuntimeError::Kind>;
Q_DECLARE_METATYPE(Error)

namespace {

constexpr ColorValue Min = std::numeric_limits<ColorValue>::min();
constexpr Error None, Overflow = RuntimeError::Kind::Overflow;
constexpr Error Subscript = RuntimeError::Kind::SubscriptOutOfRange;
constexpr Error NotAColour = RuntimeError::Kind::InvalidPropertyValue;
// Fills an array before LongToRGB runs, so that an element it never stored
// stands apart from a stored 0.
constexpr int U = 99;

template<typename Call>
Error raisedBy(Call call)
{
    try {
        call();
    } catch (const RuntimeError &error) {
        return error.kind();
    }
    return None;
}

} // namespace

class tst_Arithmetic : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void composeAndComplement_data()
    {
        QTest::addColumn<ColorValue>("color");
        QTest::addColumn<Bytes>("channels"); // empty for a value that is no colour
        QTest::addColumn<ColorValue>("complement");
        QTest::addColumn<Error>("complementError");

        QTest::newRow("black") << 0 << Bytes{0, 0, 0} << 16777215 << None;
        QTest::newRow("light grey") << 13158600 << Bytes{200, 200, 200} << 0x00373737 << None;
        QTest::newRow("red becomes cyan") << 0x000000FF << Bytes{255, 0, 0} << 0x00FFFF00 << None;
        QTest::newRow("blue is the high byte")
                << 0x00FF0000 << Bytes{0, 0, 255} << 0x0000FFFF << None;
        QTest::newRow("mixed") << 0x001E140A << Bytes{10, 20, 30} << 0x00E1EBF5 << None;
        QTest::newRow("white") << 16777215 << Bytes{255, 255, 255} << 0 << None;
        QTest::newRow("negative") << -1 << Bytes{} << 16777216 << None;
        QTest::newRow("above white") << 0x01000000 << Bytes{} << -1 << None;
        // 16777215 - (-2^31) does not fit in 32 bits.
        QTest::newRow("most negative") << Min << Bytes{} << 0 << Overflow;
    }
    void composeAndComplement()
    {
        QFETCH(ColorValue, color);
        QFETCH(Bytes, channels);
        QFETCH(ColorValue, complement);
        QFETCH(Error, complementError);

        ColorValue result = 0;
        QCOMPARE(raisedBy([&] { result = Complement(color); }), complementError);
        QCOMPARE(result, complement);
        QCOMPARE(raisedBy([&] { toQColor(color); }), channels.isEmpty() ? NotAColour : None);
        if (channels.isEmpty())
            return;
        const auto [red, green, blue] = std::tuple(channels[0], channels[1], channels[2]);
        QCOMPARE(Compose(ChannelValue(red), ChannelValue(green), ChannelValue(blue)), color);
        QCOMPARE(toColorValue(toQColor(color)), color);
        // LongToRGB splits it again, reducing what it is given to 0.
        ColorValue L = color;
        CheckedArray<quint8> anRGB(0, 2);
        Form1::LongToRGB(L, anRGB);
        QCOMPARE(Bytes({anRGB(0), anRGB(1), anRGB(2), L}), channels + Bytes{0});
    }
    void longToRGB_data()
    {
        QTest::addColumn<ColorValue>("value");
        QTest::addColumn<Bytes>("bounds");
        QTest::addColumn<Error>("error");
        QTest::addColumn<Bytes>("bytes"); // from the lower bound up, when it returns or fails
        QTest::addColumn<ColorValue>("remainder");

        const Bytes bounds{0, 2};
        // Too large: the blue quotient fails before anything is stored.
        QTest::newRow("above white")
                << 16777216 << bounds << Overflow << Bytes{U, U, U} << 16777216;
        // Negative: the first negative quotient fails, the higher (zero) ones stored.
        QTest::newRow("minus one") << -1 << bounds << Overflow << Bytes{U, 0, 0} << -1;
        QTest::newRow("minus 256") << -256 << bounds << Overflow << Bytes{U, U, 0} << -256;
        QTest::newRow("most negative") << Min << bounds << Overflow << Bytes{U, U, U} << Min;
        // Bounds that do not cover 0 to 2 fail at the first index missing, from blue.
        QTest::newRow("0 to 1") << 13158600 << Bytes{0, 1} << Subscript << Bytes{U, U} << 13158600;
        QTest::newRow("1 to 3") << 0x001E140A << Bytes{1, 3} << Subscript << Bytes{20, 30, U} << 10;
        QTest::newRow("-1 to 1") << 0x001E140A << Bytes{-1, 1} << Subscript << Bytes{U, U, U}
                                 << 0x001E140A;
        QTest::newRow("0 to 5") << 0x001E140A << Bytes{0, 5} << None << Bytes{10, 20, 30, U, U, U}
                                << 0;
    }
    void longToRGB()
    {
        QFETCH(ColorValue, value);
        QFETCH(Bytes, bounds);
        QFETCH(Error, error);
        QFETCH(Bytes, bytes);
        QFETCH(ColorValue, remainder);

        ColorValue L = value;
        CheckedArray<quint8> anRGB(bounds[0], bounds[1]);
        for (int i = bounds[0]; i <= bounds[1]; ++i)
            anRGB(i) = U;
        QCOMPARE(raisedBy([&] { Form1::LongToRGB(L, anRGB); }), error);
        Bytes stored;
        for (int i = anRGB.lowerBound(); i <= anRGB.upperBound(); ++i)
            stored.append(anRGB(i));
        QCOMPARE(stored, bytes);
        QCOMPARE(L, remainder);
    }
};

QTEST_APPLESS_MAIN(tst_Arithmetic)
#include "tst_arithmetic.moc"
