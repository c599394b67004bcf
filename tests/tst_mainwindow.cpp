#include "support.h"

#include "platform/surface.h"
#include "platform/windowregistry.h"

#include <QAction>
#include <QMenuBar>
#include <QSignalSpy>

#include <memory>

using namespace Qt::StringLiterals;

class tst_MainWindow : public MainWindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void layout_data();
    void layout();
    void fonts_data();
    void fonts();
    void textsFit_data();
    void textsFit();
    void stateAfterLoad();
    void loadPassesThroughChannels();
    void mouseSteps_data();
    void mouseSteps();
    void keySteps_data();
    void keySteps();
    void dragCommitsOnRelease();
    void assignedValues_data();
    void assignedValues();
    void sameValueRaisesNothing();
    void handPickedTextColourLastsUntilNextChange();
    void typedTextStays();
    void closedWindowReloadsFresh();
    void quitEndsProgram();
};

void tst_MainWindow::layout_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("instruction label") << "Label2" << QRect(192, 24, 241, 25);
    QTest::newRow("sample text") << "Text1" << QRect(192, 48, 161, 73);
    QTest::newRow("red slider") << "HScroll1(0)" << QRect(0, 88, 81, 17);
    QTest::newRow("green slider") << "HScroll1(1)" << QRect(0, 120, 81, 17);
    QTest::newRow("blue slider") << "HScroll1(2)" << QRect(0, 152, 81, 17);
    QTest::newRow("red label") << "Label1(0)" << QRect(88, 88, 41, 17);
    QTest::newRow("green label") << "Label1(1)" << QRect(88, 120, 41, 17);
    QTest::newRow("blue label") << "Label1(2)" << QRect(88, 152, 41, 17);
    QTest::newRow("quit box") << "Text2" << QRect(368, 168, 41, 33);
}

void tst_MainWindow::layout()
{
    QFETCH(QString, control);
    QFETCH(QRect, geometry);

    QCOMPARE(m_form->windowTitle(), u"Use sliders or click window to choose window color.");
    QCOMPARE(m_form->surface().size(), QSize(464, 213));
    QCOMPARE(m_form->surface().geometry().top(), m_form->menuBar()->geometry().bottom() + 1);
    QWidget &widget = controlNamed(*m_form, control);
    QCOMPARE(widget.parentWidget(), &m_form->surface());
    QCOMPARE(widget.geometry(), geometry);
    QVERIFY(widget.isVisible());
}

void tst_MainWindow::fonts_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<int>("weight");
    QTest::addColumn<QFont::StyleHint>("kind");

    QTest::newRow("instruction label")
            << "Label2" << 12.0 << int(QFont::Normal) << QFont::SansSerif;
    QTest::newRow("sample text") << "Text1" << 48.0 << int(QFont::Bold) << QFont::Serif;
    QTest::newRow("value label") << "Label1(1)" << 9.75 << int(QFont::Bold) << QFont::SansSerif;
    QTest::newRow("quit box") << "Text2" << 12.0 << int(QFont::Normal) << QFont::SansSerif;
}

void tst_MainWindow::fonts()
{
    QFETCH(QString, control);
    QFETCH(qreal, pointSize);
    QFETCH(int, weight);
    QFETCH(QFont::StyleHint, kind);

    const QWidget &widget = controlNamed(*m_form, control);
    QCOMPARE(widget.font().pointSizeF(), pointSize);
    QCOMPARE(widget.font().weight(), weight);
    QCOMPARE(widget.font().styleHint(), kind);
}

void tst_MainWindow::textsFit_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");

    QTest::newRow("instruction label") << "Label2"
                                       << "Click textbox to change its color.";
    QTest::newRow("widest value") << "Label1(0)"
                                  << "255";
    QTest::newRow("sample text") << "Text1"
                                 << "Text";
    QTest::newRow("quit box") << "Text2"
                              << "Quit";
}

void tst_MainWindow::textsFit()
{
    QFETCH(QString, control);
    QFETCH(QString, text);

    // Whatever face stands in for the one asked for, the text must fit.
    const QWidget &widget = controlNamed(*m_form, control);
    const QFontMetrics metrics = widget.fontMetrics();
    QVERIFY2(metrics.horizontalAdvance(text) < widget.width(),
             qPrintable(u"%1 px wide in %2 px"_s.arg(metrics.horizontalAdvance(text))
                                .arg(widget.width())));
    QVERIFY(metrics.height() <= widget.height());
}

void tst_MainWindow::stateAfterLoad()
{
    const ColorValue channelColours[] = {0x000000FF, 0x0000FF00, 0x00FF8080};
    for (qint16 i = 0; i <= 2; ++i) {
        const HScrollBar &slider = m_form->HScroll1(i);
        QCOMPARE(slider.minimum(), 0);
        QCOMPARE(slider.maximum(), 255);
        QCOMPARE(slider.singleStep(), 5);
        QCOMPARE(slider.pageStep(), 50);
        QCOMPARE(slider.value(), 200);
        QCOMPARE(m_form->Label1(i).text(), u"200");
        QCOMPARE(backColor(m_form->Label1(i)), channelColours[i]);
    }
    QCOMPARE(m_form->backColor(), 0x00C8C8C8);
    QCOMPARE(foreColor(m_form->Text1()), 0x00373737);
    VERIFY_COLOURS(*m_form);
    QCOMPARE(m_form->Label2().text(), u"Click textbox to change its color.");
    QCOMPARE(m_form->Text1().text(), u"Text");
    QCOMPARE(m_form->Text2().text(), u"Quit");
    QCOMPARE(m_form->help().text(), u"&Help");
    QVERIFY(!m_form->help().menu());
}

void tst_MainWindow::loadPassesThroughChannels()
{
    Form1 form;
    QList<ColorValue> colours;
    QList<QStringList> captions;
    for (qint16 i = 0; i <= 2; ++i) {
        QCOMPARE(form.HScroll1(i).value(), 0);
        // Connected after the handler, so this sees what the handler left.
        connect(&form.HScroll1(i), &QScrollBar::valueChanged, this, [&] {
            colours.append(form.backColor());
            captions.append({form.Label1(0).text(), form.Label1(1).text(), form.Label1(2).text()});
        });
    }

    form.Form_Load();

    QCOMPARE(colours, (QList<ColorValue>{200, 51400, 13158600}));
    QCOMPARE(captions,
             (QList<QStringList>{{u"200"_s, u""_s, u""_s},
                                 {u"200"_s, u"200"_s, u""_s},
                                 {u"200"_s, u"200"_s, u"200"_s}}));
    QVERIFY(form.isHidden());
}

void tst_MainWindow::mouseSteps_data()
{
    QTest::addColumn<int>("slider");
    QTest::addColumn<QStyle::SubControl>("part");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QList<int>>("values");

    QTest::newRow("red right arrow") << 0 << QStyle::SC_ScrollBarAddLine << 1 << QList<int>{205};
    QTest::newRow("green left arrow")
            << 1 << QStyle::SC_ScrollBarSubLine << 2 << QList<int>{195, 190};
    QTest::newRow("blue track right, clamped")
            << 2 << QStyle::SC_ScrollBarAddPage << 3 << QList<int>{250, 255};
    QTest::newRow("red track left") << 0 << QStyle::SC_ScrollBarSubPage << 1 << QList<int>{150};
}

void tst_MainWindow::mouseSteps()
{
    QFETCH(int, slider);
    QFETCH(QStyle::SubControl, part);
    QFETCH(int, clicks);
    QFETCH(QList<int>, values);

    HScrollBar &bar = m_form->HScroll1(qint16(slider));
    QList<int> seen;
    connect(&bar, &QScrollBar::valueChanged, this, [&](int value) {
        seen.append(value);
        verifyColours(*m_form);
    });
    for (int i = 0; i < clicks; ++i)
        clickSubControl(bar, part);

    // One change per step; a click at the end of the range changes nothing.
    QCOMPARE(seen, values);
    QCOMPARE(m_form->Label1(qint16(slider)).text(), QString::number(values.last()));
    for (qint16 other = 0; other <= 2; ++other) {
        if (other != slider)
            QCOMPARE(m_form->Label1(other).text(), u"200");
    }
}

void tst_MainWindow::keySteps_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<int>("expected");

    QTest::newRow("right") << Qt::Key_Right << 205;
    QTest::newRow("left") << Qt::Key_Left << 195;
    QTest::newRow("up") << Qt::Key_Up << 205;
    QTest::newRow("down") << Qt::Key_Down << 195;
    QTest::newRow("page up") << Qt::Key_PageUp << 250;
    QTest::newRow("page down") << Qt::Key_PageDown << 150;
    QTest::newRow("end") << Qt::Key_End << 255;
    QTest::newRow("home") << Qt::Key_Home << 0;
}

void tst_MainWindow::keySteps()
{
    QFETCH(Qt::Key, key);
    QFETCH(int, expected);

    HScrollBar &bar = m_form->HScroll1(1);
    QSignalSpy changes(&bar, &QScrollBar::valueChanged);
    bar.setFocus();
    QTest::keyClick(&bar, key);

    QCOMPARE(changes.count(), 1);
    QCOMPARE(bar.value(), expected);
    QCOMPARE(m_form->Label1(1).text(), QString::number(expected));
    VERIFY_COLOURS(*m_form);
}

void tst_MainWindow::dragCommitsOnRelease()
{
    HScrollBar &bar = m_form->HScroll1(0);
    QSignalSpy changes(&bar, &QScrollBar::valueChanged);
    const QPoint thumb = subControlCenter(bar, QStyle::SC_ScrollBarSlider);

    QTest::mousePress(&bar, Qt::LeftButton, {}, thumb);
    for (int dx = 2; dx <= 10; dx += 2) {
        QMouseEvent move(QEvent::MouseMove, QPointF(thumb.x() + dx, thumb.y()),
                         bar.mapToGlobal(QPointF(thumb.x() + dx, thumb.y())), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&bar, &move);
    }
    QVERIFY(bar.sliderPosition() > 200);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(bar.value(), 200);
    QCOMPARE(m_form->Label1(0).text(), u"200");
    QCOMPARE(m_form->backColor(), 0x00C8C8C8);

    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(thumb.x() + 10, thumb.y()));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(bar.value(), bar.sliderPosition());
    QCOMPARE(m_form->Label1(0).text(), QString::number(bar.value()));
    VERIFY_COLOURS(*m_form);
}

void tst_MainWindow::assignedValues_data()
{
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<ColorValue>("window");
    QTest::addColumn<ColorValue>("text");

    QTest::newRow("red at maximum") << QList<int>{255, 200, 200} << 0x00C8C8FF << 0x00373700;
    QTest::newRow("all at 0") << QList<int>{0, 0, 0} << 0 << 16777215;
    QTest::newRow("all at 255") << QList<int>{255, 255, 255} << 16777215 << 0;
    QTest::newRow("mixed") << QList<int>{10, 20, 30} << 0x001E140A << 0x00E1EBF5;
}

void tst_MainWindow::assignedValues()
{
    QFETCH(QList<int>, values);
    QFETCH(ColorValue, window);
    QFETCH(ColorValue, text);

    for (qint16 i = 0; i <= 2; ++i)
        m_form->HScroll1(i).setValue(values.at(i));

    QCOMPARE(m_form->backColor(), window);
    QCOMPARE(foreColor(m_form->Text1()), text);
    for (qint16 i = 0; i <= 2; ++i)
        QCOMPARE(m_form->Label1(i).text(), QString::number(values.at(i)));
    VERIFY_COLOURS(*m_form);
}

void tst_MainWindow::sameValueRaisesNothing()
{
    setForeColor(m_form->Text1(), 0x00010203);
    m_form->Label1(2).setText(u"marker"_s);
    QSignalSpy changes(&m_form->HScroll1(2), &QScrollBar::valueChanged);

    m_form->HScroll1(2).setValue(200);

    QCOMPARE(changes.count(), 0);
    QCOMPARE(m_form->Label1(2).text(), u"marker");
    QCOMPARE(foreColor(m_form->Text1()), 0x00010203);
}

void tst_MainWindow::handPickedTextColourLastsUntilNextChange()
{
    setForeColor(m_form->Text1(), 0x000000FF);
    clickSubControl(m_form->HScroll1(2), QStyle::SC_ScrollBarSubLine);
    QCOMPARE(foreColor(m_form->Text1()), Complement(Compose(200, 200, 195)));
    VERIFY_COLOURS(*m_form);
}

void tst_MainWindow::typedTextStays()
{
    m_form->Text1().setFocus();
    m_form->Text1().selectAll();
    for (const QChar c : u"Grün"_s) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c);
        QApplication::sendEvent(&m_form->Text1(), &key);
    }
    clickSubControl(m_form->HScroll1(0), QStyle::SC_ScrollBarAddPage);
    QCOMPARE(m_form->Text1().text(), u"Grün");
    VERIFY_COLOURS(*m_form);
}

void tst_MainWindow::closedWindowReloadsFresh()
{
    QPointer<Form1> old = m_form;
    m_form->HScroll1(1).setValue(5);
    QVERIFY(m_form->close());

    Form1 &fresh = WindowRegistry::get<Form1>();
    QVERIFY(&fresh != old);
    QVERIFY(old.isNull() || !old->isLoaded());
    for (qint16 i = 0; i <= 2; ++i) {
        QCOMPARE(fresh.HScroll1(i).value(), 200);
        QCOMPARE(fresh.Label1(i).text(), u"200");
    }
    QCOMPARE(fresh.backColor(), 0x00C8C8C8);
    QCOMPARE(&WindowRegistry::get<Form1>(), &fresh);
    QTRY_VERIFY(old.isNull());
}

void tst_MainWindow::quitEndsProgram()
{
    QPointer<Form1> form = m_form;
    QCOMPARE(statusAfter([form] { QTest::mouseClick(&form->Text2(), Qt::LeftButton); }), 0);
    QVERIFY(form.isNull() || form->isHidden());
    QVERIFY(WindowRegistry::isEnding());
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
