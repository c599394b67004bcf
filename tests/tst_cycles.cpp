// Closes and reloads each window a thousand times, and checks that nothing
// that was closed lives on: no window, control or dialog, and no memory.

#include "storm/dialoganswerer.h"
#include "support.h"

#include "forms/about.h"
#include "platform/surface.h"
#include "platform/windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QWindow>

#include <fstream>
#include <memory>
#include <string>

#if defined(__GLIBC__)
#    include <malloc.h>
#endif

#if defined(__SANITIZE_ADDRESS__)
#    define TINCT_UNDER_ASAN 1
#elif defined(__has_feature)
#    if __has_feature(address_sanitizer)
#        define TINCT_UNDER_ASAN 1
#    endif
#endif

using namespace Qt::StringLiterals;

namespace {

constexpr int WarmUpCycles = 50;
constexpr int Cycles = 1000;
constexpr long MaxGrowthKiB = 2048;

enum class Kind { MainWindow, About };

// What lives, counted through public API: widgets, native windows, and the
// objects hanging from every root among them and from the application.
struct Census
{
    qsizetype widgets = 0;
    qsizetype topLevels = 0;
    qsizetype windows = 0;
    qsizetype objects = 0;

    static Census take()
    {
        Census census;
        census.widgets = QApplication::allWidgets().size();
        census.topLevels = QApplication::topLevelWidgets().size();
        census.windows = QGuiApplication::allWindows().size();
        census.objects = 1 + qApp->findChildren<QObject *>().size();
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (!widget->parent())
                census.objects += 1 + widget->findChildren<QObject *>().size();
        }
        for (QWindow *window : QGuiApplication::allWindows()) {
            if (!window->parent())
                census.objects += 1 + window->findChildren<QObject *>().size();
        }
        return census;
    }

    QString describe() const
    {
        return u"%1 widgets, %2 top-level, %3 windows, %4 objects"_s.arg(widgets)
                .arg(topLevels)
                .arg(windows)
                .arg(objects);
    }

    bool grewFrom(const Census &before) const
    {
        return widgets > before.widgets || topLevels > before.topLevels || windows > before.windows
                || objects > before.objects;
    }
};

long residentKiB()
{
#if defined(__GLIBC__)
    // Freed heap goes back to the system first, so that only what is still
    // allocated counts.
    malloc_trim(0);
#endif
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

QtMessageHandler s_previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // Said by the offscreen platform for every window shown.
    if (message == u"This plugin does not support propagateSizeHints()")
        return;
    s_previousHandler(type, context, message);
}

} // namespace

class tst_Cycles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void closeAndReload_data();
    void closeAndReload();

private:
    QString mainWindowCycle(int number, int dialogEvery);
    QString aboutCycle();

    std::unique_ptr<WindowRegistry> m_shell;
};

void tst_Cycles::initTestCase()
{
    s_previousHandler = qInstallMessageHandler(quietHandler);
}

void tst_Cycles::cleanupTestCase()
{
    qInstallMessageHandler(s_previousHandler);
}

void tst_Cycles::init()
{
    m_shell = std::make_unique<WindowRegistry>();
    WindowRegistry::get<Form1>().show();
    settle();
}

void tst_Cycles::cleanup()
{
    m_shell.reset();
    settle();
}

// Shows the main window, changes it, maybe picks colours, and closes it.
QString tst_Cycles::mainWindowCycle(int number, int dialogEvery)
{
    Form1 &form = WindowRegistry::get<Form1>();
    form.show();
    settle();
    // The last cycle moved the red slider: a reloaded window starts afresh.
    if (form.HScroll1(0).value() != 200)
        return u"the reloaded main window kept the red slider at %1"_s.arg(
                form.HScroll1(0).value());
    clickSubControl(form.HScroll1(0), QStyle::SC_ScrollBarAddLine);

    if (dialogEvery && number % dialogEvery == 0) {
        // Both pickers, confirmed and cancelled in turn; the colours repeat,
        // so that caches keyed by colour stop growing during the warm-up.
        const bool confirm = number / dialogEvery % 2 == 0;
        const DialogAnswer answer = confirm ? DialogAnswer::OkButton : DialogAnswer::EscapeKey;
        const QColor colour = confirm ? QColor(10, 20, 30) : QColor(30, 20, 10);
        for (QWidget *target :
             {static_cast<QWidget *>(&form.surface()), static_cast<QWidget *>(&form.Text1())}) {
            DialogAnswerer answerer(answer, colour);
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(1, 1));
            if (answerer.openings().size() != 1)
                return u"a click on the %1 opened %2 colour dialogs"_s
                        .arg(QString::fromLatin1(target->metaObject()->className()))
                        .arg(answerer.openings().size());
        }
        if (confirm && form.HScroll1(2).value() != 30)
            return u"the colour picked did not reach the sliders"_s;
    }

    QPointer<Form1> closed = &form;
    form.close();
    settle();
    if (closed)
        return u"the closed main window is still alive"_s;
    return {};
}

// Opens About from the main window's Help and closes it.
QString tst_Cycles::aboutCycle()
{
    Form1 &form = WindowRegistry::get<Form1>();
    form.help().trigger();
    settle();
    QPointer<About> about = &WindowRegistry::get<About>();
    if (!about->isVisible())
        return u"Help did not show the About window"_s;
    // A reloaded About prints its instructions from the top, once.
    const int lines = 6 * QFontMetrics(about->surface().font()).height();
    if (about->surface().currentY() != lines)
        return u"About printed down to %1 px, the instructions take %2 px"_s
                .arg(about->surface().currentY())
                .arg(lines);
    about->close();
    settle();
    if (about)
        return u"the closed About window is still alive"_s;
    if (!form.isVisible())
        return u"the main window went away with About"_s;
    return {};
}

void tst_Cycles::closeAndReload_data()
{
    QTest::addColumn<Kind>("kind");
    // Every how many cycles the colour dialogs are opened; 0 never.
    QTest::addColumn<int>("dialogEvery");

    QTest::newRow("main window") << Kind::MainWindow << 0;
    QTest::newRow("main window, colour dialogs") << Kind::MainWindow << 3;
    QTest::newRow("About window") << Kind::About << 0;
}

void tst_Cycles::closeAndReload()
{
    QFETCH(Kind, kind);
    QFETCH(int, dialogEvery);

    // Caches fill, fonts load and the dialog's shared parts are built in
    // the warm-up; from then on a cycle leaves nothing behind.
    const auto cycle = [&](int number) {
        return kind == Kind::MainWindow ? mainWindowCycle(number, dialogEvery) : aboutCycle();
    };
    for (int number = 0; number < WarmUpCycles; ++number) {
        const QString failure = cycle(number);
        QVERIFY2(failure.isEmpty(), qPrintable(u"warm-up cycle %1: %2"_s.arg(number).arg(failure)));
    }
    const Census before = Census::take();
    const long residentBefore = residentKiB();

    for (int number = WarmUpCycles; number < WarmUpCycles + Cycles; ++number) {
        const QString failure = cycle(number);
        QVERIFY2(failure.isEmpty(), qPrintable(u"cycle %1: %2"_s.arg(number).arg(failure)));
    }
    const Census after = Census::take();
    const long residentAfter = residentKiB();

    QVERIFY2(!after.grewFrom(before),
             qPrintable(u"before: %1; after %2 cycles: %3"_s.arg(before.describe())
                                .arg(Cycles)
                                .arg(after.describe())));

    QVERIFY(residentBefore > 0 && residentAfter > 0);
    qInfo("resident size %ld KiB, then %ld KiB after %d cycles", residentBefore, residentAfter,
          Cycles);
#ifdef TINCT_UNDER_ASAN
    // AddressSanitizer keeps freed memory in quarantine, so the resident
    // size grows whatever the program does; its leak check stands in.
    qInfo("resident size not checked under AddressSanitizer");
#else
    QVERIFY2(residentAfter - residentBefore < MaxGrowthKiB,
             qPrintable(u"resident size grew by %1 KiB over %2 cycles"_s
                                .arg(residentAfter - residentBefore)
                                .arg(Cycles)));
#endif
}

QTEST_MAIN(tst_Cycles)
#include "tst_cycles.moc"
