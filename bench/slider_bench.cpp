// Times one slider change in tinct's main window together with the repaint
// it causes, on whatever platform QT_QPA_PLATFORM names (bench/run uses xcb
// on its own Xvfb).
//
//   slider_bench [ROUNDS]
//
// Each round times, in alternating order:
//   change   HScroll1(0).setValue(v); form.repaint(); posted events sent
//   same     the same widgets marked dirty and repainted the same way, with
//            nothing changed: the cost of the painting alone (baseline)
// and then
//   handler  setValue(v) alone, its repaint done untimed afterwards.
// v alternates so that every set is a real change and runs the handler.
// Before timing, one pass of each counts the paint events it causes, so
// that it can be seen that "change" and "same" paint the same widgets.

#include "benchsupport.h"
#include "forms/form1.h"
#include "platform/hscrollbar.h"
#include "platform/runtime.h"
#include "platform/surface.h"
#include "platform/textbox.h"
#include "platform/windowregistry.h"

#include <QApplication>
#include <QLabel>

#include <utility>

namespace {

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject * /*watched*/, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 3000;
    const int warmup = 200;

    setUpRuntime();
    WindowRegistry shell;
    Form1 &form = WindowRegistry::get<Form1>();
    form.show();
    bench::waitUntilExposed(form);

    HScrollBar &slider = form.HScroll1(0);
    int flip = 0;
    auto nextValue = [&] { return (flip++ % 2) ? 60 : 190; };

    auto change = [&] {
        slider.setValue(nextValue());
        form.repaint();
        QCoreApplication::sendPostedEvents();
    };
    // What a change dirties: the surface (and with it the sliders drawn over
    // it), the changed value label, and the recoloured controls.
    auto same = [&] {
        form.surface().update();
        form.Label1(0).update();
        form.Label2().update();
        form.Text1().update();
        form.Text2().update();
        form.repaint();
        QCoreApplication::sendPostedEvents();
    };
    auto settle = [] { QCoreApplication::processEvents(); };

    PaintCounter counter;
    application.installEventFilter(&counter);
    change();
    const int changePaints = std::exchange(counter.paints, 0);
    settle();
    counter.paints = 0;
    same();
    const int samePaints = counter.paints;
    settle();
    application.removeEventFilter(&counter);

    std::vector<double> changeMs;
    std::vector<double> sameMs;
    std::vector<double> handlerMs;
    for (int round = -warmup; round < rounds; ++round) {
        const bool keep = round >= 0;
        for (int k = 0; k < 2; ++k) {
            const bool timeChange = (k == 0) == (round % 2 == 0);
            const auto t0 = bench::Clock::now();
            timeChange ? change() : same();
            const auto t1 = bench::Clock::now();
            settle(); // X events, untimed
            if (keep)
                (timeChange ? changeMs : sameMs).push_back(bench::msBetween(t0, t1));
        }

        const int v = nextValue();
        const auto t0 = bench::Clock::now();
        slider.setValue(v);
        const auto t1 = bench::Clock::now();
        form.repaint();
        QCoreApplication::sendPostedEvents();
        settle();
        if (keep)
            handlerMs.push_back(bench::msBetween(t0, t1));
        if (slider.value() != v) {
            std::fputs("slider_bench: the slider did not take the value\n", stderr);
            return 1;
        }
    }

    auto report = [](const char *name, const std::vector<double> &samples, int paints) {
        std::printf("%s n=%zu median_ms=%.4f p95_ms=%.4f paints=%d\n", name, samples.size(),
                    bench::percentile(samples, 50), bench::percentile(samples, 95), paints);
    };
    report("change", changeMs, changePaints);
    report("same", sameMs, samePaints);
    report("handler", handlerMs, 0);
    std::printf("qt version=%s platform=%s\n", qVersion(),
                qPrintable(QGuiApplication::platformName()));
    return 0;
}
