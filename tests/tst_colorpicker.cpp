#include "support.h"

#include "platform/surface.h"
#include "platform/windowregistry.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

using Response = std::function<void(QColorDialog &)>;

// Picks the colour, or cancels when there is none.
Response choose(std::optional<QColor> choice)
{
    return [choice](QColorDialog &dialog) {
        if (choice) {
            dialog.setCurrentColor(*choice);
            dialog.accept();
        } else {
            dialog.reject();
        }
    };
}

// Answers the next modal colour dialog as a user would, noting the colour
// the dialog opened with.
class DialogAnswer : public QObject
{
public:
    explicit DialogAnswer(std::optional<QColor> choice)
        : DialogAnswer(choose(choice))
    { }

    explicit DialogAnswer(Response respond)
        : m_respond(std::move(respond))
    {
        QTimer::singleShot(0, this, &DialogAnswer::answer);
    }

    QColor openedWith() const { return m_openedWith; }
    bool answered() const { return m_answered; }

private:
    void answer()
    {
        auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            if (++m_tries < 500)
                QTimer::singleShot(10, this, &DialogAnswer::answer);
            return;
        }
        m_openedWith = dialog->currentColor();
        m_answered = true;
        m_respond(*dialog);
    }

    Response m_respond;
    QColor m_openedWith;
    bool m_answered = false;
    int m_tries = 0;
};

const QPoint BareBackground(300, 190);

} // namespace

class tst_ColorPicker : public MainWindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void windowColour_data();
    void windowColour();
    void sameColourKeepsHandPickedText();
    void textColour_data();
    void textColour();
    void onlyBareBackgroundOpensDialog_data();
    void onlyBareBackgroundOpensDialog();
    void textBoxUsableAfterDialog();
    void enterConfirmsAfterEarlierCancel();
};

void tst_ColorPicker::windowColour_data()
{
    QTest::addColumn<std::optional<QColor>>("choice");
    QTest::addColumn<QList<int>>("sliders");
    // The window colour after each slider change, in order.
    QTest::addColumn<QList<ColorValue>>("passedThrough");

    QTest::newRow("all channels new")
            << std::optional(QColor(10, 20, 30)) << QList<int>{10, 20, 30}
            << QList<ColorValue>{Compose(10, 200, 200), Compose(10, 20, 200), 0x001E140A};
    QTest::newRow("red unchanged")
            << std::optional(QColor(200, 50, 60)) << QList<int>{200, 50, 60}
            << QList<ColorValue>{Compose(200, 50, 200), Compose(200, 50, 60)};
    QTest::newRow("blue only") << std::optional(QColor(200, 200, 0)) << QList<int>{200, 200, 0}
                               << QList<ColorValue>{Compose(200, 200, 0)};
    QTest::newRow("same colour") << std::optional(QColor(200, 200, 200))
                                 << QList<int>{200, 200, 200} << QList<ColorValue>{};
    QTest::newRow("cancelled") << std::optional<QColor>() << QList<int>{200, 200, 200}
                               << QList<ColorValue>{};
}

void tst_ColorPicker::windowColour()
{
    QFETCH(std::optional<QColor>, choice);
    QFETCH(QList<int>, sliders);
    QFETCH(QList<ColorValue>, passedThrough);

    QList<ColorValue> seen;
    for (qint16 i = 0; i <= 2; ++i) {
        connect(&m_form->HScroll1(i), &QScrollBar::valueChanged, this,
                [&] { seen.append(m_form->backColor()); });
    }
    QVERIFY(!m_form->findChild<QColorDialog *>());

    DialogAnswer answer(choice);
    QTest::mouseClick(&m_form->surface(), Qt::LeftButton, {}, BareBackground);

    QVERIFY(answer.answered());
    QCOMPARE(answer.openedWith(), QColor(200, 200, 200));
    QCOMPARE(seen, passedThrough);
    for (qint16 i = 0; i <= 2; ++i) {
        QCOMPARE(m_form->HScroll1(i).value(), sliders.at(i));
        QCOMPARE(m_form->Label1(i).text(), QString::number(sliders.at(i)));
    }
    VERIFY_COLOURS(*m_form);
}

void tst_ColorPicker::sameColourKeepsHandPickedText()
{
    DialogAnswer text(QColor(1, 2, 3));
    QTest::mouseClick(&m_form->Text1(), Qt::LeftButton);
    QVERIFY(text.answered());
    QCOMPARE(foreColor(m_form->Text1()), 0x00030201);

    DialogAnswer window(QColor(200, 200, 200));
    QTest::mouseClick(&m_form->surface(), Qt::LeftButton, {}, BareBackground);
    QVERIFY(window.answered());
    QCOMPARE(foreColor(m_form->Text1()), 0x00030201);

    DialogAnswer otherWindow(QColor(200, 200, 100));
    QTest::mouseClick(&m_form->surface(), Qt::LeftButton, {}, BareBackground);
    QVERIFY(otherWindow.answered());
    QCOMPARE(foreColor(m_form->Text1()), Complement(Compose(200, 200, 100)));
}

void tst_ColorPicker::textColour_data()
{
    QTest::addColumn<std::optional<QColor>>("choice");
    QTest::addColumn<ColorValue>("expected");

    QTest::newRow("confirmed") << std::optional(QColor(1, 2, 3)) << 0x00030201;
    QTest::newRow("cancelled") << std::optional<QColor>() << 0x00373737;
}

void tst_ColorPicker::textColour()
{
    QFETCH(std::optional<QColor>, choice);
    QFETCH(ColorValue, expected);

    QSignalSpy changes(&m_form->HScroll1(0), &QScrollBar::valueChanged);
    DialogAnswer answer(choice);
    QTest::mouseClick(&m_form->Text1(), Qt::LeftButton);

    QVERIFY(answer.answered());
    QCOMPARE(answer.openedWith(), QColor(55, 55, 55));
    QCOMPARE(foreColor(m_form->Text1()), expected);
    QCOMPARE(m_form->backColor(), 0x00C8C8C8);
    QCOMPARE(changes.count(), 0);
}

void tst_ColorPicker::onlyBareBackgroundOpensDialog_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<bool>("opens");

    QTest::newRow("background") << BareBackground << BareBackground << true;
    QTest::newRow("top left corner") << QPoint(1, 1) << QPoint(1, 1) << true;
    QTest::newRow("value label") << QPoint(100, 95) << QPoint(100, 95) << false;
    QTest::newRow("instruction label") << QPoint(250, 30) << QPoint(250, 30) << false;
    QTest::newRow("pressed on background, released on label")
            << BareBackground << QPoint(250, 30) << false;
    QTest::newRow("pressed on label, released on background")
            << QPoint(250, 30) << BareBackground << false;
}

void tst_ColorPicker::onlyBareBackgroundOpensDialog()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(bool, opens);

    // As on screen, the press goes to whatever is under the pointer, and the
    // release to the same widget, wherever the pointer is by then.
    Surface &surface = m_form->surface();
    QWidget *target = surface.childAt(press) ? surface.childAt(press) : &surface;

    DialogAnswer answer(std::nullopt);
    QTest::mousePress(target, Qt::LeftButton, {}, target->mapFrom(&surface, press));
    QTest::mouseRelease(target, Qt::LeftButton, {}, target->mapFrom(&surface, release));

    QCOMPARE(answer.answered(), opens);
}

void tst_ColorPicker::textBoxUsableAfterDialog()
{
    TextBox &text = m_form->Text1();
    const QPoint inside(5, text.height() / 2);
    DialogAnswer answer(QColor(1, 2, 3));

    // The dialog waits for the release: opened on the press, it would take
    // the release away from the text box and leave it mid-selection.
    QTest::mousePress(&text, Qt::LeftButton, {}, inside);
    QVERIFY(!answer.answered());
    QTest::mouseRelease(&text, Qt::LeftButton, {}, inside);
    QVERIFY(answer.answered());

    QVERIFY(!text.hasSelectedText());
    text.setFocus();
    text.end(false);
    QTest::keyClicks(&text, u"!"_s);
    QCOMPARE(text.text(), u"Text!");
}

void tst_ColorPicker::enterConfirmsAfterEarlierCancel()
{
    // Clicked in the active dialog, Cancel takes the focus, as on screen.
    DialogAnswer cancelled([](QColorDialog &dialog) {
        QTRY_VERIFY(dialog.isActiveWindow());
        QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel),
                          Qt::LeftButton);
    });
    QTest::mouseClick(&m_form->surface(), Qt::LeftButton, {}, BareBackground);
    QVERIFY(cancelled.answered());

    // Enter goes to whatever has the focus in the dialog, as on screen.
    DialogAnswer confirmed([](QColorDialog &dialog) {
        QTRY_VERIFY(dialog.isActiveWindow());
        dialog.setCurrentColor(QColor(10, 20, 30));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    QTest::mouseClick(&m_form->surface(), Qt::LeftButton, {}, BareBackground);
    QVERIFY(confirmed.answered());
    QCOMPARE(m_form->backColor(), 0x001E140A);
}

QTEST_MAIN(tst_ColorPicker)
#include "tst_colorpicker.moc"
