// Times the first opening of the colour dialog in a fresh process.
//
//   dialog_bench tinct   a click on tinct's window background (Form_Click)
//   dialog_bench bare    new QColorDialog(&form), DontUseNativeDialog, exec()
//
// Both start from the same state: tinct's main window shown and exposed.
// The clock starts just before the call and stops once the dialog's first
// Expose has been handled, i.e. the dialog is mapped and painted; then the
// dialog is cancelled. Prints "shown_ms=<float> painted_ms=<float>", where
// shown_ms is when the dialog's own event loop first ran.

#include "benchsupport.h"
#include "forms/form1.h"
#include "platform/runtime.h"
#include "platform/windowregistry.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QTimer>

#include <cstring>

namespace {

// Notices the first Expose of the modal dialog's window and, once that has
// been handled (painting included), stops the clock and cancels the dialog.
class ExposeWatch : public QObject
{
public:
    bench::Clock::time_point painted{};
    bool done = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!done && event->type() == QEvent::Expose) {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && watched == modal->windowHandle() && modal->windowHandle()->isExposed()) {
                done = true;
                QTimer::singleShot(0, this, [this] {
                    painted = bench::Clock::now();
                    if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                        dialog->reject();
                });
            }
        }
        return false;
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const bool tinct = argc > 1 && std::strcmp(argv[1], "tinct") == 0;
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    if (!tinct && !bare) {
        std::fputs("usage: dialog_bench tinct|bare\n", stderr);
        return 2;
    }

    setUpRuntime();
    WindowRegistry shell;
    Form1 &form = WindowRegistry::get<Form1>();
    form.show();
    bench::waitUntilExposed(form);

    ExposeWatch watch;
    application.installEventFilter(&watch);

    bench::Clock::time_point shown{};
    QTimer::singleShot(0, &application, [&shown] {
        if (QApplication::activeModalWidget())
            shown = bench::Clock::now();
    });

    const bench::Clock::time_point start = bench::Clock::now();
    if (tinct) {
        form.Form_Click();
    } else {
        auto *dialog = new QColorDialog(&form);
        dialog->setOption(QColorDialog::DontUseNativeDialog);
        dialog->exec();
    }

    if (!watch.done || shown == bench::Clock::time_point{}) {
        std::fputs("dialog_bench: the dialog was not seen on screen\n", stderr);
        return 1;
    }
    std::printf("shown_ms=%.3f painted_ms=%.3f\n", bench::msBetween(start, shown),
                bench::msBetween(start, watch.painted));
    return 0;
}
