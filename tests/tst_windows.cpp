#include "support.h"

#include <QAccessible>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace {

const QPoint BareBackground(300, 190);

int printed(const About &about)
{
    return about.surface().currentY() / (6 * QFontMetrics(about.surface().font()).height());
}

// The last row of About's client area, in its own pixels at any scale, that
// holds ink: pixels much darker than the background.
int lastInkRow(const About &about)
{
    const QImage image = about.surface().grab().toImage().scaled(
            about.surface().size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const int background = qGray(image.pixel(image.width() - 1, image.height() - 1));
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < background - 64)
                return y;
        }
    }
    return -1;
}

void activate(QWidget &window)
{
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

// Each test starts a fresh program with its main window shown and active.
class tst_Windows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_windows = std::make_unique<WindowRegistry>();
        m_form = &WindowRegistry::get<Form1>();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
    }
    void cleanup() { m_windows.reset(); }

    void layout()
    {
        Form1 &f = *m_form;
        const std::pair<QWidget *, QRect> controls[]
                = {{&f.Label2(), {192, 24, 241, 25}},  {&f.Text1(), {192, 48, 161, 73}},
                   {&f.Text2(), {368, 168, 41, 33}},   {&f.HScroll1(0), {0, 88, 81, 17}},
                   {&f.HScroll1(1), {0, 120, 81, 17}}, {&f.HScroll1(2), {0, 152, 81, 17}},
                   {&f.Label1(0), {88, 88, 41, 17}},   {&f.Label1(1), {88, 120, 41, 17}},
                   {&f.Label1(2), {88, 152, 41, 17}}};
        QCOMPARE(f.surface().size(), QSize(464, 213));
        QCOMPARE(f.surface().geometry().top(), f.menuBar()->geometry().bottom() + 1);
        for (const auto &[control, geometry] : controls) {
            QCOMPARE(control->parentWidget(), &f.surface());
            QCOMPARE(control->geometry(), geometry);
            QVERIFY(control->isVisible());
        }
        // The first slider has the keys; Tab walks the three sliders and the
        // two text boxes, and the slider it comes back to shows the focus.
        QCOMPARE(QApplication::focusWidget(), &f.HScroll1(0));
        const std::initializer_list<QWidget *> tabOrder
                = {&f.HScroll1(1), &f.HScroll1(2), &f.Text1(), &f.Text2(), &f.HScroll1(0)};
        for (QWidget *next : tabOrder) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QVERIFY(f.HScroll1(0).grab().toImage() != f.HScroll1(1).grab().toImage());
    }
    void load()
    {
        QCOMPARE(m_form->windowTitle(), u"Use sliders or click window to choose window color.");
        QCOMPARE(m_form->help().text(), u"&Help");
        QCOMPARE(m_form->Label2().text(), u"Click textbox to change its color.");
        QCOMPARE(m_form->Text1().text(), u"Text");
        QCOMPARE(m_form->Text2().text(), u"Quit");
        const ColorValue channelColours[] = {0x000000FF, 0x0000FF00, 0x00FF8080};
        for (qint16 i = 0; i <= 2; ++i) {
            const HScrollBar &slider = m_form->HScroll1(i);
            QCOMPARE(QList<int>({slider.minimum(), slider.maximum(), slider.singleStep(),
                                 slider.pageStep(), slider.value()}),
                     QList<int>({0, 255, 5, 50, 200}));
            QCOMPARE(backColor(m_form->Label1(i)), channelColours[i]);
        }
        QCOMPARE(m_form->backColor(), 0x00C8C8C8);
        verifyColours(*m_form);

        // A window being loaded passes through one colour a slider, hidden.
        Form1 form;
        QStringList seen;
        for (qint16 i = 0; i <= 2; ++i) {
            // Connected after the handler, so this sees what the handler left.
            connect(&form.HScroll1(i), &QScrollBar::valueChanged, this, [&] {
                seen.append(u"%1 %2,%3,%4"_s.arg(form.backColor())
                                    .arg(form.Label1(0).text(), form.Label1(1).text(),
                                         form.Label1(2).text()));
            });
        }
        form.Form_Load();
        QCOMPARE(seen,
                 (QStringList{u"200 200,,"_s, u"51400 200,200,"_s, u"13158600 200,200,200"_s}));
        QVERIFY(form.isHidden());
    }
    void pickedColour_data()
    {
        QTest::addColumn<bool>("inDialog");
        QTest::newRow("picked in the dialog") << true;
        QTest::newRow("given on the command line") << false;
    }
    void pickedColour()
    {
        QFETCH(bool, inDialog);

        // The sliders follow a colour taken for the window one by one, red
        // first, the window passing through mixed colours.
        QList<ColorValue> seen;
        for (qint16 i = 0; i <= 2; ++i) {
            connect(&m_form->HScroll1(i), &QScrollBar::valueChanged, this,
                    [&] { seen.append(m_form->backColor()); });
        }
        DialogAnswerer answerer(DialogAnswer::OkButton, QColor(10, 20, 30));
        if (inDialog)
            QTest::mouseClick(&m_form->surface(), Qt::LeftButton, {}, BareBackground);
        else
            m_form->takeWindowColor(0x001E140A);

        QCOMPARE(answerer.openings.size(), inDialog ? 1 : 0);
        if (inDialog)
            QCOMPARE(answerer.openings[0].openedWith, QColor(200, 200, 200));
        QCOMPARE(seen,
                 (QList<ColorValue>{Compose(10, 200, 200), Compose(10, 20, 200), 0x001E140A}));
        verifyColours(*m_form);
    }
    void onlyBareBackgroundOpensDialog()
    {
        // As on screen, the press goes to whatever is under the pointer, and
        // the release to the same widget, wherever the pointer is by then.
        // Only a press and a release on the bare background is a click on it.
        const QPoint label(250, 30);
        const std::tuple<QPoint, QPoint, int> clicks[] = {{BareBackground, BareBackground, 1},
                                                          {BareBackground, label, 0},
                                                          {label, BareBackground, 0}};
        for (const auto &[press, release, opens] : clicks) {
            Surface &surface = m_form->surface();
            QWidget *target = surface.childAt(press) ? surface.childAt(press) : &surface;
            DialogAnswerer answerer(DialogAnswer::CancelButton, Qt::black);
            QTest::mousePress(target, Qt::LeftButton, {}, target->mapFrom(&surface, press));
            QTest::mouseRelease(target, Qt::LeftButton, {}, target->mapFrom(&surface, release));
            QCOMPARE(answerer.openings.size(), opens);
        }
    }
    void textBoxUsableAfterDialog()
    {
        // The dialog waits for the release: opened on the press, it would take
        // the release away from the text box and leave it mid-selection.
        TextBox &text = m_form->Text1();
        DialogAnswerer answerer(DialogAnswer::OkButton, QColor(1, 2, 3));
        QTest::mousePress(&text, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(answerer.openings.isEmpty());
        QTest::mouseRelease(&text, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(answerer.openings.size(), 1);

        QVERIFY(!text.hasSelectedText());
        text.end(false);
        QTest::keyClicks(&text, u"!"_s);
        QCOMPARE(text.text(), u"Text!");
    }
    void aboutPrintsAtEachActivation()
    {
        About &about = openAbout();
        QCOMPARE(about.windowTitle(), u"About");
        QCOMPARE(about.surface().size(), QSize(312, 109));
        QVERIFY(!about.isModal() && !about.parentWidget() && m_form->isVisible());
        const int block = 6 * QFontMetrics(about.surface().font()).height();
        QCOMPARE(about.surface().currentY(), block);
        QVERIFY(lastInkRow(about) < block + block / 12);
        const QImage first = about.surface().grab().toImage();

        // Back from the main window: the block again, under the first one,
        // which stays as it was.
        activate(*m_form);
        activate(about);
        QCOMPARE(about.surface().currentY(), 2 * block);
        QVERIFY(lastInkRow(about) > block);
        const QImage second = about.surface().grab().toImage();
        const QRect top(QPoint(0, 0), QSize(first.width(), int(block * first.devicePixelRatio())));
        QCOMPARE(second.copy(top), first.copy(top));

        // The position only moves down; nothing below the bottom edge is drawn
        // or read out, and nothing scrolls.
        activate(*m_form);
        activate(about);
        QCOMPARE(printed(about), 3);
        QCOMPARE(about.surface().grab().toImage(), second);
        const QString readOut = QAccessible::queryAccessibleInterface(&about.surface())
                                        ->text(QAccessible::Description);
        QCOMPARE(readOut.count(u"\nor click on the window to use a color picker.\n"_s), 2);
        QVERIFY(readOut.startsWith(u"Use the sliders to change the window color, \n"));
    }
    void closedWindowsComeBackFresh()
    {
        // A closed About comes back from Help printing from the top.
        QPointer<About> about = &openAbout();
        activate(*m_form);
        activate(*about);
        about->close();
        QVERIFY(&openAbout() != about);
        QCOMPARE(printed(WindowRegistry::get<About>()), 1);

        // A closed main window comes back freshly loaded once About is active.
        m_form->HScroll1(0).setValue(5);
        activate(*m_form);
        QPointer<Form1> old = m_form;
        QVERIFY(m_form->close());
        QVERIFY(!WindowRegistry::isEnding());
        WindowRegistry::get<About>().activateWindow();
        QTRY_VERIFY(shown<Form1>() && old.isNull());
        QCOMPARE(&WindowRegistry::get<Form1>(), shown<Form1>());
        QCOMPARE(shown<Form1>()->backColor(), 0x00C8C8C8);
        verifyColours(*shown<Form1>());
    }

private:
    About &openAbout()
    {
        m_form->help().trigger();
        About &about = WindowRegistry::get<About>();
        [&] { QVERIFY(QTest::qWaitForWindowActive(&about)); }();
        return about;
    }

    std::unique_ptr<WindowRegistry> m_windows;
    Form1 *m_form = nullptr;
};

QTEST_MAIN(tst_Windows)
#include "tst_windows.moc"
