#include "support.h"

#include "forms/about.h"
#include "platform/surface.h"
#include "platform/windowregistry.h"

#include <QAction>

#include <memory>

// Run with QT_SCALE_FACTOR=2: the same layout at twice the pixels.
class tst_HiDpi : public MainWindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void controlsAtTwiceThePixels_data();
    void controlsAtTwiceThePixels();
    void textDrawnAtTwiceTheSize();
    void printedTextScales();

private:
    QImage m_picture;
};

void tst_HiDpi::init()
{
    MainWindowTest::init();
    QCOMPARE(m_form->devicePixelRatio(), 2.0);
    m_picture = m_form->surface().grab().toImage();
    QCOMPARE(m_picture.size(), QSize(928, 426));
}

void tst_HiDpi::controlsAtTwiceThePixels_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QColor>("fill");

    // Layout rectangles; each must be filled with its colour all the way to
    // its edges, one device pixel in from the border.
    QTest::newRow("red value") << QRect(88, 88, 41, 17) << QColor(255, 0, 0);
    QTest::newRow("green value") << QRect(88, 120, 41, 17) << QColor(0, 255, 0);
    QTest::newRow("blue value") << QRect(88, 152, 41, 17) << QColor(128, 128, 255);
    QTest::newRow("instruction label") << QRect(192, 24, 241, 25) << QColor(200, 200, 200);
    QTest::newRow("background below slider") << QRect(0, 105, 81, 15) << QColor(200, 200, 200);
}

void tst_HiDpi::controlsAtTwiceThePixels()
{
    QFETCH(QRect, rect);
    QFETCH(QColor, fill);

    const QRect device(rect.topLeft() * 2, rect.size() * 2);
    const QRect inside = device.adjusted(2, 2, -3, -3);
    for (const QPoint corner :
         {inside.topLeft(), inside.topRight(), inside.bottomLeft(), inside.bottomRight()})
        QCOMPARE(m_picture.pixelColor(corner), fill);
    // Outside the control the window colour shows again.
    QCOMPARE(m_picture.pixelColor(device.right() + 3, device.center().y()), QColor(200, 200, 200));
}

void tst_HiDpi::textDrawnAtTwiceTheSize()
{
    // The sample text's glyphs reach at least the height of the 48-point
    // font at 96 dpi doubled, inside the box's doubled rectangle.
    const QRect box(192 * 2, 48 * 2, 161 * 2, 73 * 2);
    int top = box.bottom();
    int bottom = box.top();
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (m_picture.pixelColor(x, y) == QColor(55, 55, 55)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    QVERIFY2(bottom - top >= 2 * 40, qPrintable(QString::number(bottom - top)));
}

void tst_HiDpi::printedTextScales()
{
    m_form->help().trigger();
    About &about = WindowRegistry::get<About>();
    QVERIFY(QTest::qWaitForWindowActive(&about));

    const QImage picture = about.surface().grab().toImage();
    QCOMPARE(picture.size(), QSize(624, 218));
    // Sharp glyphs: the printed text has pixels of the full text colour.
    const QColor ink = about.surface().palette().color(QPalette::WindowText);
    int inked = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            inked += picture.pixelColor(x, y) == ink;
    }
    QVERIFY(inked > 500);
}

QTEST_MAIN(tst_HiDpi)
#include "tst_hidpi.moc"
