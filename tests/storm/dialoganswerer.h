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

// The ways a user closes a colour dialog.
enum class DialogAnswer {
    Accept,
    OkButton,
    ReturnKey,
    Reject,
    CancelButton,
    EscapeKey,
    CloseWindow
};

constexpr int DialogAnswerCount = 7;

inline bool keepsColour(DialogAnswer answer)
{
    return answer == DialogAnswer::Accept || answer == DialogAnswer::OkButton
            || answer == DialogAnswer::ReturnKey;
}

inline const char *describe(DialogAnswer answer)
{
    switch (answer) {
    case DialogAnswer::Accept:
        return "accept";
    case DialogAnswer::OkButton:
        return "OK button";
    case DialogAnswer::ReturnKey:
        return "Return";
    case DialogAnswer::Reject:
        return "reject";
    case DialogAnswer::CancelButton:
        return "Cancel button";
    case DialogAnswer::EscapeKey:
        return "Escape";
    case DialogAnswer::CloseWindow:
        return "close";
    }
    return "?";
}

// While it lives, answers every modal colour dialog that comes up: it notes
// what the dialog opened with, sets the planned colour (also before a
// cancel, which must then discard it), and closes the dialog as planned.
// It polls from the event loop, so it finds the dialog inside the dialog's
// own exec(). Any other modal window is handed to onOtherModal.
class DialogAnswerer : public QObject
{
public:
    struct Opening
    {
        QPointer<QColorDialog> dialog;
        QPointer<QWidget> owner;
        ColorValue openedWith = -1;
        bool closedByAnswer = true;
        bool accepted = false; // how the dialog ended
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
            // A user answers once the dialog has come up with the focus;
            // should it never get the focus, it is answered all the same.
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
        Opening opening;
        opening.dialog = dialog;
        opening.owner = dialog->parentWidget();
        opening.openedWith = toColorValue(dialog->currentColor());
        dialog->setCurrentColor(m_choice);

        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        switch (m_answer) {
        case DialogAnswer::Accept:
            dialog->accept();
            break;
        case DialogAnswer::OkButton:
            QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
            break;
        case DialogAnswer::ReturnKey:
            QTest::keyClick(dialog, Qt::Key_Return);
            break;
        case DialogAnswer::Reject:
            dialog->reject();
            break;
        case DialogAnswer::CancelButton:
            QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
            break;
        case DialogAnswer::EscapeKey:
            QTest::keyClick(dialog, Qt::Key_Escape);
            break;
        case DialogAnswer::CloseWindow:
            dialog->close();
            break;
        }
        // A dialog the answer left open would be answered again and again:
        // note it and get it out of the way.
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
