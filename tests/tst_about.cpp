#include "support.h"

#include "forms/about.h"
#include "platform/surface.h"
#include "platform/windowregistry.h"

#include <QAction>
#include <QApplication>

#include <memory>

class tst_About : public MainWindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void helpOpensAbout_data();
    void helpOpensAbout();
    void instructionsPrintedOnce();
    void reopenedAboutPrintsFromTop();
    void closedMainWindowComesBackFresh();
    void closingLastWindowEndsProgram();
    void quitWithAboutOpenEndsProgram();

private:
    About &openAbout();
    static int inkRows(const QImage &image);
};

About &tst_About::openAbout()
{
    m_form->help().trigger();
    About &about = WindowRegistry::get<About>();
    [&] { QVERIFY(QTest::qWaitForWindowActive(&about)); }();
    return about;
}

// The rows of a picture that carry any pixel darker than the background.
int tst_About::inkRows(const QImage &image)
{
    const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < qGray(background) - 64) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

void tst_About::helpOpensAbout_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("menu item") << false;
    QTest::newRow("Alt+H") << true;
}

void tst_About::helpOpensAbout()
{
    QFETCH(bool, byKeyboard);

    if (byKeyboard)
        QTest::keyClick(m_form, Qt::Key_H, Qt::AltModifier);
    else
        m_form->help().trigger();

    About &about = WindowRegistry::get<About>();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QCOMPARE(about.windowTitle(), u"About");
    QCOMPARE(about.surface().size(), QSize(312, 109));
    QVERIFY(!about.isModal());
    QVERIFY(!about.parentWidget());
    QVERIFY(m_form->isVisible());
    QCOMPARE(&WindowRegistry::get<Form1>(), m_form);
}

void tst_About::instructionsPrintedOnce()
{
    About &about = openAbout();
    const int lineHeight = QFontMetrics(about.surface().font()).height();
    QCOMPARE(about.surface().currentY(), 6 * lineHeight);

    // Four lines of text, all within the top six line heights.
    const QImage first = about.surface().grab().toImage();
    QVERIFY(inkRows(first.copy(0, 0, first.width(), 6 * lineHeight)) > 3 * lineHeight);
    QCOMPARE(inkRows(first.copy(0, 6 * lineHeight, first.width(), first.height() - 6 * lineHeight)),
             0);

    // Back and forth between the windows: nothing more is printed, and the
    // text is still there when the window is painted again.
    for (int i = 0; i < 3; ++i) {
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
    }
    QCOMPARE(about.surface().currentY(), 6 * lineHeight);
    about.surface().repaint();
    QCOMPARE(about.surface().grab().toImage(), first);
}

void tst_About::reopenedAboutPrintsFromTop()
{
    QPointer<About> first = &openAbout();
    const int printed = first->surface().currentY();
    QVERIFY(printed > 0);
    first->close();

    About &second = openAbout();
    QVERIFY(&second != first);
    QCOMPARE(second.surface().currentY(), printed);
}

void tst_About::closedMainWindowComesBackFresh()
{
    About &about = openAbout();
    m_form->HScroll1(0).setValue(5);
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    QPointer<Form1> old = m_form;
    QVERIFY(m_form->close());
    QVERIFY(!WindowRegistry::isEnding());

    // Found among the windows, not through the shell, which would load one.
    const auto shownMainWindow = [&]() -> Form1 * {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *form = qobject_cast<Form1 *>(window);
            if (form && form != old && form->isVisible())
                return form;
        }
        return nullptr;
    };
    QVERIFY(!shownMainWindow());

    about.activateWindow();
    QTRY_VERIFY(shownMainWindow());
    const Form1 &fresh = *shownMainWindow();
    for (qint16 i = 0; i <= 2; ++i)
        QCOMPARE(fresh.Label1(i).text(), u"200");
    QCOMPARE(fresh.backColor(), 0x00C8C8C8);
}

void tst_About::closingLastWindowEndsProgram()
{
    About &about = openAbout();
    // About first: closing the main window first would bring it back as
    // soon as About became active again.
    QCOMPARE(statusAfter([&] {
                 about.close();
                 m_form->close();
             }),
             0);
}

void tst_About::quitWithAboutOpenEndsProgram()
{
    QPointer<About> about = &openAbout();
    QPointer<Form1> form = m_form;
    QCOMPARE(statusAfter([form] { QTest::mouseClick(&form->Text2(), Qt::LeftButton); }), 0);
    QVERIFY(about.isNull() || about->isHidden());
    QVERIFY(form.isNull() || form->isHidden());
}

QTEST_MAIN(tst_About)
#include "tst_about.moc"
