#pragma once

#include "forms/about.h"
#include "forms/form1.h"
#include "platform/controlcolors.h"
#include "platform/hscrollbar.h"
#include "platform/runtime.h"
#include "platform/surface.h"
#include "platform/textbox.h"
#include "platform/windowregistry.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <optional>

// The shown window of a class, found without the registry, which would load one.
template<typename Window>
Window *shown()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
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
    for (const ColorValue colour :
         {form.backColor(), controlBackColor(form.Text1()), controlBackColor(form.Label2()),
          controlBackColor(form.Text2())})
        QCOMPARE(colour, window);
    QCOMPARE(controlForeColor(form.Text1()), handPicked.value_or(WhiteColorValue - window));
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

// Whether a colour dialog offers Qt's "Pick Screen Color".
inline bool offersScreenPicking(const QColorDialog &dialog)
{
    const QList<QPushButton *> buttons = dialog.findChildren<QPushButton *>();
    return std::any_of(buttons.cbegin(), buttons.cend(), [](const QPushButton *button) {
        return button->isEnabled() && !button->isHidden()
                && button->text()
                == QCoreApplication::translate("QColorDialog", "&Pick Screen Color");
    });
}

// The ways a user closes a colour dialog; the first two keep the colour.
enum class DialogAnswer { OkButton, ReturnKey, CancelButton, EscapeKey, CloseWindow };

// While it lives, answers every colour dialog, once it has the focus: notes
// what it opened with, sets the colour planned (a cancel must discard it)
// and closes it as planned.
class DialogAnswerer : public QObject
{
public:
    struct Opening
    {
        QWidget *owner;
        QColor openedWith;
        bool accepted = false;
        bool screenPicking = false;
    };

    DialogAnswerer(DialogAnswer answer, QColor choice)
        : m_answer(answer)
        , m_choice(choice)
    {
        QTimer::singleShot(0, this, &DialogAnswerer::poll);
    }

    QList<Opening> openings;

private:
    void poll()
    {
        auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        if (dialog && (dialog->isActiveWindow() || ++m_waited > 500))
            answer(*dialog);
        QTimer::singleShot(1, this, &DialogAnswerer::poll);
    }

    void answer(QColorDialog &dialog)
    {
        m_waited = 0;
        Opening opening{dialog.parentWidget(), dialog.currentColor(), false,
                        offersScreenPicking(dialog)};
        dialog.setCurrentColor(m_choice);
        auto *buttons = dialog.findChild<QDialogButtonBox *>();
        QWidget *focus = dialog.focusWidget() ? dialog.focusWidget() : &dialog; // keys go there
        if (m_answer == DialogAnswer::OkButton || m_answer == DialogAnswer::CancelButton)
            QTest::mouseClick(buttons->button(m_answer == DialogAnswer::OkButton
                                                      ? QDialogButtonBox::Ok
                                                      : QDialogButtonBox::Cancel),
                              Qt::LeftButton);
        else if (m_answer == DialogAnswer::CloseWindow)
            dialog.close();
        else
            QTest::keyClick(focus,
                            m_answer == DialogAnswer::ReturnKey ? Qt::Key_Return : Qt::Key_Escape);
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
