#include "support.h"

#include "forms/about.h"
#include "platform/surface.h"
#include "platform/windowregistry.h"

#include <QAccessible>
#include <QAction>
#include <QMenuBar>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QAccessibleInterface &accessible(QObject &object)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(&object);
    Q_ASSERT(interface);
    return *interface;
}

} // namespace

class tst_Accessibility : public MainWindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void controls_data();
    void controls();
    void slidersReportValues();
    void namesFollowState();
    void helpItem();
    void aboutTextIsReadable();
    void keyboardOnly();
};

void tst_Accessibility::controls_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    QTest::newRow("red slider") << "HScroll1(0)" << QAccessible::ScrollBar << "Red"
                                << "Red channel of the window colour, 0 to 255";
    QTest::newRow("blue slider") << "HScroll1(2)" << QAccessible::ScrollBar << "Blue"
                                 << "Blue channel of the window colour, 0 to 255";
    QTest::newRow("green value") << "Label1(1)" << QAccessible::StaticText << "200"
                                 << "Green value";
    QTest::newRow("instruction") << "Label2" << QAccessible::StaticText
                                 << "Click textbox to change its color."
                                 << "";
    QTest::newRow("sample text")
            << "Text1" << QAccessible::EditableText << "Sample text"
            << "Drawn in the complement of the window colour; click it to choose its colour";
    QTest::newRow("quit") << "Text2" << QAccessible::EditableText << "Quit"
                          << "Click to end the program";
    QTest::newRow("background") << "surface" << QAccessible::Client << "Window colour"
                                << "Click the background to choose the window colour";
}

void tst_Accessibility::controls()
{
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QFETCH(QString, description);

    QAccessibleInterface &interface = accessible(controlNamed(*m_form, control));
    QCOMPARE(interface.role(), role);
    QCOMPARE(interface.text(QAccessible::Name), name);
    QCOMPARE(interface.text(QAccessible::Description), description);
    QVERIFY(!interface.state().invisible);
}

void tst_Accessibility::slidersReportValues()
{
    for (qint16 i = 0; i <= 2; ++i) {
        QAccessibleValueInterface *value = accessible(m_form->HScroll1(i)).valueInterface();
        QVERIFY(value);
        QCOMPARE(value->currentValue().toInt(), 200);
        QCOMPARE(value->minimumValue().toInt(), 0);
        QCOMPARE(value->maximumValue().toInt(), 255);
    }
}

void tst_Accessibility::namesFollowState()
{
    clickSubControl(m_form->HScroll1(1), QStyle::SC_ScrollBarAddLine);

    QCOMPARE(accessible(m_form->HScroll1(1)).valueInterface()->currentValue().toInt(), 205);
    QCOMPARE(accessible(m_form->Label1(1)).text(QAccessible::Name), u"205");
}

void tst_Accessibility::helpItem()
{
    QAccessibleInterface &menuBar = accessible(*m_form->menuBar());
    QCOMPARE(menuBar.role(), QAccessible::MenuBar);
    QCOMPARE(menuBar.childCount(), 1);
    QAccessibleInterface *item = menuBar.child(0);
    QCOMPARE(item->role(), QAccessible::MenuItem);
    QCOMPARE(item->text(QAccessible::Name), u"Help");
    QVERIFY(item->actionInterface());
    QVERIFY(item->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));

    item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(WindowRegistry::get<About>().isVisible());
}

void tst_Accessibility::aboutTextIsReadable()
{
    m_form->help().trigger();
    About &about = WindowRegistry::get<About>();
    QVERIFY(QTest::qWaitForWindowActive(&about));

    QAccessibleInterface &text = accessible(about.surface());
    QCOMPARE(text.text(QAccessible::Name), u"Instructions");
    QCOMPARE(text.text(QAccessible::Description),
             u"Use the sliders to change the window color, \n"
             "or click on the window to use a color picker.\n"
             "\n"
             "The text will change to the window's complementary color.\n"
             "\n"
             "Click on the text to manually change it."_s);
    QCOMPARE(accessible(about).text(QAccessible::Name), u"About");
}

void tst_Accessibility::keyboardOnly()
{
    // The first slider has the focus; Tab walks the controls that take it.
    QCOMPARE(QApplication::focusWidget(), &m_form->HScroll1(0));
    QWidget *const order[] = {&m_form->HScroll1(1), &m_form->HScroll1(2), &m_form->Text1(),
                              &m_form->Text2(), &m_form->HScroll1(0)};
    for (QWidget *next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    // Once keys move the focus, the focused slider shows it.
    QVERIFY(m_form->HScroll1(0).grab().toImage() != m_form->HScroll1(1).grab().toImage());

    QTest::keyClick(&m_form->HScroll1(0), Qt::Key_PageDown);
    QTest::keyClick(&m_form->HScroll1(0), Qt::Key_Left);
    QCOMPARE(m_form->HScroll1(0).value(), 145);
    QCOMPARE(m_form->Label1(0).text(), u"145");
    VERIFY_COLOURS(*m_form);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(WindowRegistry::get<About>().isVisible());
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
