#pragma once

#include "platform/colorvalue.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// The ways a user closes a colour dialog; the first two keep the colour.
enum class DialogAnswer { OkButton, ReturnKey, CancelButton, EscapeKey, CloseWindow };
constexpr int DialogAnswerCount = 5;
constexpr const char *DialogAnswerNames[] = {"OK", "Return", "Cancel", "Escape", "close"};

inline bool keepsColour(DialogAnswer answer)
{
    return answer == DialogAnswer::OkButton || answer == DialogAnswer::ReturnKey;
}

// While it lives, answers every modal colour dialog that comes up: it notes
// what the dialog opened with, sets the planned colour (also before a
// cancel, which must then discard it) and closes the dialog as planned. It
// polls from the event loop, so it finds the dialog inside its own exec().
// Any other modal window is handed to onOtherModal.
class DialogAnswerer : public QObject
{
public:
    struct Opening
    {
        QPointer<QColorDialog> dialog;
        QPointer<QWidget> owner;
        ColorValue openedWith = -1;
        bool closedByAnswer = true;
        bool accepted = false;
    };

    DialogAnswerer(DialogAnswer answer, QColor choice)
        : m_answer(answer)
        , m_choice(choice)
    {
        QTimer::singleShot(0, this, &DialogAnswerer::poll);
    }

    std::function<void(QWidget *)> onOtherModal;
    const QList<Opening> &openings() const { return m_openings; }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QColorDialog *>(modal)) {
            // A user answers once the dialog has the focus: only then does a
            // click on a button move the focus to it.
            if (dialog->isActiveWindow() || ++m_waited > 500) {
                m_waited = 0;
                answer(dialog);
            }
        } else if (modal && onOtherModal) {
            onOtherModal(modal);
        }
        QTimer::singleShot(1, this, &DialogAnswerer::poll);
    }

    void answer(QColorDialog *dialog)
    {
        Opening opening{dialog, dialog->parentWidget(), toColorValue(dialog->currentColor())};
        dialog->setCurrentColor(m_choice);
        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        switch (m_answer) {
        case DialogAnswer::OkButton:
            QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
            break;
        case DialogAnswer::CancelButton:
            QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
            break;
        case DialogAnswer::ReturnKey:
        case DialogAnswer::EscapeKey: {
            // Keys go where the focus is, as on screen.
            QWidget *focus = dialog->focusWidget();
            QTest::keyClick(focus ? focus : dialog,
                            m_answer == DialogAnswer::ReturnKey ? Qt::Key_Return : Qt::Key_Escape);
            break;
        }
        case DialogAnswer::CloseWindow:
            dialog->close();
            break;
        }
        // A dialog the answer left open would be answered again and again.
        if (dialog->isVisible()) {
            opening.closedByAnswer = false;
            dialog->reject();
        }
        opening.accepted = dialog->result() == QDialog::Accepted;
        // A window manager hands the focus back to the window the dialog
        // belonged to; the offscreen platform leaves it in the hidden dialog.
        if (opening.owner)
            opening.owner->activateWindow();
        m_openings.append(opening);
    }

    DialogAnswer m_answer;
    QColor m_choice;
    QList<Opening> m_openings;
    int m_waited = 0;
};

// Lets the event loop run until nothing more is pending, deleting what was
// closed, as the program's own loop would between two user actions.
inline void settle()
{
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
