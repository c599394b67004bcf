// A scripted session of the whole program, run under valgrind by
// valgrind_session.sh: it starts as main() does, works every window through
// the handlers a person would trigger, and ends through the Quit box, so the
// leak check at exit sees everything the program allocated on the way.
// It checks that each step did what it should: a session that silently
// skipped a step would leave that code unchecked for leaks.

#include "platform/windowregistry.h"
#include "app/startup.h"
#include "app/termination.h"
#include "forms/about.h"
#include "forms/form1.h"
#include "platform/hscrollbar.h"
#include "platform/surface.h"
#include "platform/textbox.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

int s_failures = 0;

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "session: FAILED: %s\n", what);
        ++s_failures;
    }
}

// Synthetic input, delivered as the window system's would be.
void click(QWidget &widget, QPoint at)
{
    const QPointF global = widget.mapToGlobal(QPointF(at));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &release);
}

void pressKey(QWidget &widget, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &release);
}

// Answers the next modal colour dialog: picks `color` and confirms, or
// cancels when it is invalid. Runs inside the dialog's own event loop.
void answerColorDialog(const QColor &color)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, color] {
        auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->deleteLater();
        poll->stop();
        if (color.isValid()) {
            dialog->setCurrentColor(color);
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
    poll->start(10);
}

int channelValue(const Form1 &form, qint16 index)
{
    return form.HScroll1(index).value();
}

} // namespace

int main(int argc, char **argv)
{
    const auto application = createApplication(argc, argv);
    WindowRegistry shell;
    endOnTerminationSignals(shell, application.get());
    WindowRegistry::get<Form1>().show();

    QPointer<Form1> firstForm = &WindowRegistry::get<Form1>();
    QPointer<About> firstAbout;

    // Each step runs from the event loop after the one before has returned,
    // so closes, deferred deletes and activations happen between them as
    // they would between a person's actions.
    const std::vector<std::function<void()>> steps = {
            [&] {
                Form1 &form = WindowRegistry::get<Form1>();
                check(form.isVisible(), "the main window is shown");
                check(channelValue(form, 0) == 200 && channelValue(form, 2) == 200,
                      "the sliders start at 200");
                form.HScroll1(0).setValue(10);
                check(form.Label1(0).text() == QLatin1String("10"),
                      "setValue shows the value beside the slider");
                pressKey(form.HScroll1(1), Qt::Key_Right);
                check(channelValue(form, 1) == 205, "the Right key steps a slider by 5");
                pressKey(form.HScroll1(2), Qt::Key_PageDown);
                check(channelValue(form, 2) == 150, "PageDown steps a slider by 50");
            },
            [&] {
                // A click on the bare window picks its colour in the dialog.
                Form1 &form = WindowRegistry::get<Form1>();
                answerColorDialog(QColor(0x12, 0x34, 0x56));
                click(form.surface(), QPoint(8, 8));
                check(channelValue(form, 0) == 0x12 && channelValue(form, 1) == 0x34
                              && channelValue(form, 2) == 0x56,
                      "the colour picked for the window moves the sliders");
            },
            [&] {
                // The same dialog again, for the text, cancelled this time.
                Form1 &form = WindowRegistry::get<Form1>();
                answerColorDialog(QColor());
                click(form.Text1(), form.Text1().rect().center());
                check(channelValue(form, 0) == 0x12, "cancelling the dialog changes nothing");
            },
            [&] {
                WindowRegistry::get<Form1>().help().trigger();
                firstAbout = &WindowRegistry::get<About>();
                check(firstAbout->isVisible(), "Help opens the About window");
            },
            [&] {
                check(firstAbout && firstAbout->surface().currentY() > 0,
                      "the About window prints its instructions");
            },
            [&] { WindowRegistry::get<About>().close(); },
            [&] {
                check(!firstAbout, "a closed About window is deleted");
                WindowRegistry::get<About>().show();
                check(&WindowRegistry::get<About>() != firstAbout.data(), "About loads again");
            },
            // Closing the last window would end the program: About stays open.
            [&] { WindowRegistry::get<Form1>().close(); },
            [&] {
                check(!firstForm, "a closed main window is deleted");
                Form1 &form = WindowRegistry::get<Form1>();
                form.show();
                check(channelValue(form, 0) == 200, "the main window loads again, fresh");
            },
            [&] { WindowRegistry::get<About>().close(); },
            [&] {
                // The Quit box ends the program: exec() returns.
                Form1 &form = WindowRegistry::get<Form1>();
                click(form.Text2(), form.Text2().rect().center());
            },
    };

    std::size_t next = 0;
    std::function<void()> runNext = [&] {
        if (next == steps.size()) {
            check(false, "the Quit box ends the program");
            QCoreApplication::exit(1);
            return;
        }
        steps[next++]();
        if (!WindowRegistry::isEnding())
            QTimer::singleShot(0, runNext);
    };
    QTimer::singleShot(0, runNext);

    const int status = QApplication::exec();
    check(status == 0, "the event loop returns 0");
    check(next == steps.size(), "every step ran");
    check(WindowRegistry::isEnding(), "the program is ending");
    if (s_failures == 0)
        std::fprintf(stderr, "session: all %zu steps done\n", steps.size());
    return s_failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
