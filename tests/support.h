#pragma once

#include "forms/form1.h"
#include "platform/colorvalue.h"
#include "platform/controlcolors.h"
#include "platform/hscrollbar.h"
#include "platform/textbox.h"

#include <QLabel>
#include <QStyleOptionSlider>
#include <QTest>

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
