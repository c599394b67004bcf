#pragma once

#include "forms/form1.h"
#include "platform/colorvalue.h"
#include "platform/controlcolors.h"
#include "platform/hscrollbar.h"
#include "platform/surface.h"
#include "platform/textbox.h"
#include "platform/windowregistry.h"

#include <QApplication>
#include <QLabel>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include <functional>

#include <memory>

// Where a part of a scroll bar (an arrow, the track beside the thumb, the
// thumb) is, as the style draws it.
inline QPoint subControlCenter(const QScrollBar &bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    option.upsideDown = bar.invertedAppearance();
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar).center();
}

inline void clickSubControl(QScrollBar &bar, QStyle::SubControl part)
{
    QTest::mouseClick(&bar, Qt::LeftButton, {}, subControlCenter(bar, part));
}

// What every slider change must leave behind.
inline void verifyColours(const Form1 &form)
{
    const ColorValue window = Compose(ChannelValue(form.HScroll1(0).value()),
                                      ChannelValue(form.HScroll1(1).value()),
                                      ChannelValue(form.HScroll1(2).value()));
    QCOMPARE(form.backColor(), window);
    QCOMPARE(backColor(form.Text1()), window);
    QCOMPARE(backColor(form.Label2()), window);
    QCOMPARE(backColor(form.Text2()), window);
    QCOMPARE(foreColor(form.Text1()), WhiteColorValue - window);
}

#define VERIFY_COLOURS(form) \
    do { \
        verifyColours(form); \
        if (QTest::currentTestFailed()) \
            return; \
    } while (false)

// Does what should end the program from inside its event loop, and returns
// the loop's exit status; 99 when the program did not end within 5 seconds.
inline int statusAfter(const std::function<void()> &action)
{
    QTimer::singleShot(0, qApp, action);
    QTimer timeout;
    QObject::connect(&timeout, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    timeout.start(5000);
    return QApplication::exec();
}

// A control of the main window by its name in the tables of the tests.
inline QWidget &controlNamed(const Form1 &form, const QString &name)
{
    if (name == u"Label2")
        return form.Label2();
    if (name == u"Text1")
        return form.Text1();
    if (name == u"Text2")
        return form.Text2();
    if (name == u"surface")
        return form.surface();
    const auto index = qint16(name.at(name.size() - 2).digitValue());
    if (name.startsWith(u"HScroll1"))
        return form.HScroll1(index);
    return form.Label1(index);
}

// Each test function starts a fresh program with its main window shown and
// active, and ends it afterwards.
class MainWindowTest : public QObject
{
    Q_OBJECT

protected Q_SLOTS:
    void init()
    {
        m_shell = std::make_unique<WindowRegistry>();
        m_form = &WindowRegistry::get<Form1>();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
    }

    void cleanup()
    {
        m_shell.reset();
        m_form = nullptr;
    }

protected:
    std::unique_ptr<WindowRegistry> m_shell;
    Form1 *m_form = nullptr;
};
