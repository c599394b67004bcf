#pragma once

#include "forms/about.h"
#include "forms/form1.h"
#include "platform/controlcolors.h"
#include "platform/hscrollbar.h"
#include "platform/surface.h"
#include "platform/textbox.h"
#include "platform/windowregistry.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include <optional>

// Where a part of a scroll bar (an arrow, the track beside the thumb, the
// thumb) is, as the style draws it.
inline QPoint subControlCenter(const QScrollBar &bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.pageStep = bar.pageStep();
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar).center();
}

// What every slider change must leave behind: labels that read the sliders,
// everything in the colour they make, and the sample text in its complement
// unless a colour was picked for it by hand since.
inline void verifyColours(const Form1 &form, std::optional<ColorValue> handPicked = {})
{
    const ColorValue window = Compose(ChannelValue(form.HScroll1(0).value()),
                                      ChannelValue(form.HScroll1(1).value()),
                                      ChannelValue(form.HScroll1(2).value()));
    for (qint16 i = 0; i <= 2; ++i)
        QCOMPARE(form.Label1(i).text(), QString::number(form.HScroll1(i).value()));
    for (const ColorValue colour : {form.backColor(), backColor(form.Text1()),
                                    backColor(form.Label2()), backColor(form.Text2())})
        QCOMPARE(colour, window);
    QCOMPARE(foreColor(form.Text1()), handPicked.value_or(WhiteColorValue - window));
}

// Lets the event loop run until nothing more is pending, deleting what was
// closed, as the program's own loop would between two user actions.
inline void settle()
{
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The ways a user closes a colour dialog; the first two keep the colour.
enum class DialogAnswer { OkButton, ReturnKey, CancelButton, EscapeKey, CloseWindow };

// While it lives, answers every modal colour dialog that comes up, as a user
// would once the dialog has the focus: it notes what the dialog opened with,
// sets the planned colour (also before a cancel, which must discard it) and
// closes the dialog as planned. It polls from the event loop, so it finds
// the dialog inside its own exec(); any other modal window is closed and
// noted as a failure.
class DialogAnswerer : public QObject
{
public:
    struct Opening
    {
        QWidget *owner;
        QColor openedWith;
        bool accepted = false;
    };

    DialogAnswerer(DialogAnswer answer, QColor choice)
        : m_answer(answer)
        , m_choice(choice)
    {
        QTimer::singleShot(0, this, &DialogAnswerer::poll);
    }

    QList<Opening> openings;
    QString failure;

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QColorDialog *>(modal)) {
            if (dialog->isActiveWindow() || ++m_waited > 500)
                answer(*dialog);
        } else if (modal) {
            failure += modal->property("text").toString();
            modal->close();
        }
        QTimer::singleShot(1, this, &DialogAnswerer::poll);
    }

    void answer(QColorDialog &dialog)
    {
        m_waited = 0;
        Opening opening{dialog.parentWidget(), dialog.currentColor()};
        dialog.setCurrentColor(m_choice);
        const auto button = [&](QDialogButtonBox::StandardButton which) {
            return dialog.findChild<QDialogButtonBox *>()->button(which);
        };
        QWidget *focus = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
        switch (m_answer) {
        case DialogAnswer::OkButton:
            QTest::mouseClick(button(QDialogButtonBox::Ok), Qt::LeftButton);
            break;
        case DialogAnswer::CancelButton:
            QTest::mouseClick(button(QDialogButtonBox::Cancel), Qt::LeftButton);
            break;
        case DialogAnswer::ReturnKey: // keys go where the focus is, as on screen
            QTest::keyClick(focus, Qt::Key_Return);
            break;
        case DialogAnswer::EscapeKey:
            QTest::keyClick(focus, Qt::Key_Escape);
            break;
        case DialogAnswer::CloseWindow:
            dialog.close();
            break;
        }
        if (dialog.isVisible()) {
            failure += u"the colour dialog stayed open";
            dialog.reject();
        }
        opening.accepted = dialog.result() == QDialog::Accepted;
        // A window manager hands the focus back to the window the dialog
        // belonged to; the offscreen platform leaves it in the hidden dialog.
        if (opening.owner)
            opening.owner->activateWindow();
        openings.append(opening);
    }

    DialogAnswer m_answer;
    QColor m_choice;
    int m_waited = 0;
};
