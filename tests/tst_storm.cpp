// A seeded random run of user actions over both windows and the colour
// dialogs, with what the user must see checked after every one; the program,
// once ended, is started again and nothing of it may be left. Replay a run
// with TINCT_STORM_SEED=<seed>; TINCT_STORM_ACTIONS sets its length.

#include "support.h"

#include <QMenuBar>
#include <QStyleOptionSlider>

#include <numeric>
#include <random>

using namespace Qt::StringLiterals;

namespace {

constexpr int StillRunning = 1, Hung = 2; // exec()'s status but at the program's end (0)

// How far a click on the arrows and the track of a slider (AddLine, SubLine,
// AddPage, SubPage, one bit after the other), or a key, moves it.
constexpr int Steps[] = {5, -5, 50, -50};
constexpr std::pair<Qt::Key, int> Keys[]
        = {{Qt::Key_Left, -5},   {Qt::Key_Right, 5},      {Qt::Key_Up, 5},      {Qt::Key_Down, -5},
           {Qt::Key_PageUp, 50}, {Qt::Key_PageDown, -50}, {Qt::Key_Home, -255}, {Qt::Key_End, 255},
           {Qt::Key_Tab, 0},     {Qt::Key_Backtab, 0},    {Qt::Key_Return, 0},  {Qt::Key_Space, 0}};
// How often each action below comes; from the fifth on they need the main window.
constexpr int Weights[] = {18, 14, 4, 4, 12, 5, 5, 5, 1};

// Said by the thousand and saying nothing of the program: the offscreen
// platform's messages, and QTest's for an ignored click.
QtMessageHandler s_previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(u"This plugin does not support")
        && !message.endsWith(u"not accepted by receiving widget"))
        s_previousHandler(type, context, message);
}

// Where a part of a scroll bar (an arrow, the track beside the thumb, the
// thumb) is, as the style draws it.
QPoint subControlCenter(const QScrollBar &bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.pageStep = bar.pageStep();
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar).center();
}

enum class Pick { None, Window, Text };

struct Storm
{
    int below(int n) { return int(dice() % quint64(n)); }
    QPoint in(const QWidget &widget) { return {below(widget.width()), below(widget.height())}; }
    QWidget &anyWindow()
    {
        QList<QWidget *> windows = {shown<Form1>(), shown<About>()}; // in a fixed order
        windows.removeAll(nullptr);
        return *windows.at(below(int(windows.size())));
    }
    void moves(const HScrollBar &bar, int by)
    {
        slider = &bar;
        value = std::clamp(bar.value() + by, 0, 255);
    }
    QString act(Form1 *form);
    void start();
    void step();

    std::mt19937_64 dice; // the same everywhere: a seed replays on any machine
    QStringList log{};
    std::unique_ptr<WindowRegistry> windows{};
    bool ended = true; // the program is to be started
    // What the action must lead to, beyond what every action must leave.
    Pick pick = Pick::None;
    bool ends = false, closesMain = false, showsAbout = false;
    const HScrollBar *slider = nullptr; // must end up at value
    int value = 0;
    QString failure{}; // seen during the action itself
    std::optional<ColorValue> handPicked{}; // the sample text's, until a slider moves
};

QString Storm::act(Form1 *form)
{
    int action = -1;
    while (action < 0 || (!form && action >= 4)) {
        int roll = below(std::accumulate(std::begin(Weights), std::end(Weights), 0));
        for (action = 0; roll >= Weights[action]; ++action)
            roll -= Weights[action];
    }
    const auto i = qint16(below(3));
    switch (action) {
    case 0: { // a click anywhere, with either button
        QWidget &window = anyWindow();
        QWidget *target = &window;
        QPoint at; // QTest takes a null position for the centre
        while (at.isNull()) {
            const QPoint point = in(window);
            target = window.childAt(point) ? window.childAt(point) : &window;
            at = target->mapFrom(&window, point);
        }
        const Qt::MouseButton button = below(2) ? Qt::LeftButton : Qt::RightButton;
        if (form == &window && button == Qt::LeftButton) {
            pick = target == &form->surface()  ? Pick::Window
                    : target == &form->Text1() ? Pick::Text
                                               : Pick::None;
            ends = target == &form->Text2();
        }
        QTest::mouseClick(target, button, {}, at);
        return u"click %1 at %2,%3 of %4"_s.arg(button).arg(at.x()).arg(at.y()).arg(
                window.windowTitle());
    }
    case 1: { // a key, to whatever has the focus
        const auto [key, step] = Keys[below(int(std::size(Keys)))];
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &anyWindow();
        if (auto *bar = qobject_cast<HScrollBar *>(target))
            moves(*bar, step);
        QTest::keyClick(target, key);
        return u"key %1"_s.arg(key);
    }
    case 2: { // a window brought forward: About brings a closed main window back
        QWidget &window = anyWindow();
        window.activateWindow();
        return u"activate "_s + window.windowTitle();
    }
    case 3: { // a window closed
        QWidget &window = anyWindow();
        ends = !(shown<Form1>() && shown<About>());
        closesMain = &window == form;
        window.close();
        return u"close "_s + window.windowTitle();
    }
    case 4: { // a click on a part of a slider
        HScrollBar &bar = form->HScroll1(i);
        const int k = below(4);
        const int step = Steps[k];
        const auto part = QStyle::SubControl(QStyle::SC_ScrollBarAddLine << k);
        // The track beside a thumb near its end may be too thin to click.
        if (std::abs(step) == 5 || (step > 0 ? bar.value() <= 230 : bar.value() >= 25))
            moves(bar, step);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, subControlCenter(bar, part));
        return u"click slider %1 to step %2"_s.arg(i).arg(step);
    }
    case 5: { // a drag of a thumb: nothing commits while it is held
        HScrollBar &bar = form->HScroll1(i);
        const int before = bar.value();
        QPoint point = subControlCenter(bar, QStyle::SC_ScrollBarSlider);
        QTest::mousePress(&bar, Qt::LeftButton, {}, point);
        for (int moves = 1 + below(4); moves > 0; --moves) {
            point += QPoint(below(81) - 40, below(17) - 8);
            QTest::mouseMove(&bar, point);
        }
        if (bar.value() != before || form->Label1(i).text() != QString::number(before))
            failure = u"slider %1 moved with its thumb held"_s.arg(i);
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, point);
        return u"drag slider %1 to %2,%3"_s.arg(i).arg(point.x()).arg(point.y());
    }
    case 6: { // a click that opens a colour dialog
        const bool text = below(3) == 0;
        QWidget &target = text ? static_cast<QWidget &>(form->Text1()) : form->surface();
        QPoint at;
        while (at.isNull() || target.childAt(at))
            at = in(target);
        pick = text ? Pick::Text : Pick::Window;
        QTest::mouseClick(&target, Qt::LeftButton, {}, at);
        return u"pick at %1,%2 of %3"_s.arg(at.x()).arg(at.y()).arg(text);
    }
    case 7: { // Help, from the menu or with Alt+H in the main window
        showsAbout = true;
        QMenuBar &bar = *form->menuBar();
        if (below(2)) {
            QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.actionGeometry(&form->help()).center());
            return u"Help from the menu"_s;
        }
        form->activateWindow();
        settle();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form, Qt::Key_H,
                        Qt::AltModifier);
        return u"Help with Alt+H"_s;
    }
    default:
        ends = true;
        QTest::mouseClick(&form->Text2(), Qt::LeftButton, {}, QPoint(5, 5));
        return u"click Quit"_s;
    }
}

void Storm::start()
{
    windows.reset();
    settle();
    // A closed program leaves nothing behind: no widget, no native window.
    QVERIFY2(QApplication::allWidgets().isEmpty() && QGuiApplication::allWindows().isEmpty(),
             qPrintable(u"%1 widgets and %2 windows left behind by a closed program"_s
                                .arg(QApplication::allWidgets().size())
                                .arg(QGuiApplication::allWindows().size())));
    windows = std::make_unique<WindowRegistry>();
    WindowRegistry::get<Form1>().show();
    settle();
    handPicked.reset();
}

void Storm::step()
{
    if (ended)
        start();
    if (QTest::currentTestFailed())
        return;
    auto *form = shown<Form1>();
    const ColorValue windowBefore = form ? form->backColor() : 0;
    const ColorValue textBefore = form ? controlForeColor(form->Text1()) : 0;

    // Drawn for every action, so that whether a dialog comes up shifts
    // nothing that follows. A quarter of the picks keep the window's colour,
    // a quarter change one channel.
    const auto answer = DialogAnswer(below(5));
    ColorValue choice = below(0x1000000);
    if (const int roll = below(4), shift = 8 * below(3); roll == 0)
        choice = windowBefore;
    else if (roll == 1)
        choice = (windowBefore & ~(0xFF << shift)) | (choice & (0xFF << shift));
    DialogAnswerer answerer(answer, toQColor(choice));
    bool moved = false;
    QObject watch;
    for (qint16 i = 0; form && i <= 2; ++i)
        QObject::connect(&form->HScroll1(i), &QScrollBar::valueChanged, &watch,
                         [&] { moved = true; });

    // The action runs inside the program's event loop, as for a user; exec()
    // returns 0 once the program has ended.
    pick = Pick::None;
    ends = closesMain = showsAbout = false;
    slider = nullptr;
    failure.clear();
    QTimer::singleShot(0, qApp, [&] {
        log.append(act(form) + u" {%1 %2}"_s.arg(int(answer)).arg(choice, 0, 16));
        settle();
        // Closing the last window quits through a posted event: let it come.
        if (!WindowRegistry::isEnding() && (shown<Form1>() || shown<About>()))
            QCoreApplication::exit(StillRunning);
    });
    QTimer timeout;
    QObject::connect(&timeout, &QTimer::timeout, qApp, [] { QCoreApplication::exit(Hung); });
    timeout.start(5000);
    const int status = QApplication::exec();
    ended = status == 0;
    QVERIFY2(status != Hung, "the program hung");
    QVERIFY2(ended == ends, ended ? "the program ended" : "the program went on");
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY2(!QApplication::activeModalWidget(), "a modal window is still open");
    QVERIFY2(!ended || (!shown<Form1>() && !shown<About>()), "a window is shown after the end");
    if (ended)
        return;

    // The colour dialog opened with the colour it picks, and did as told.
    QCOMPARE(answerer.openings.size(), pick == Pick::None ? 0 : 1);
    const bool accepted = !answerer.openings.isEmpty() && answerer.openings[0].accepted;
    if (!answerer.openings.isEmpty()) {
        QCOMPARE(answerer.openings[0].owner, form);
        QCOMPARE(toColorValue(answerer.openings[0].openedWith),
                 pick == Pick::Window ? windowBefore : textBefore);
        QCOMPARE(accepted, answer == DialogAnswer::OkButton || answer == DialogAnswer::ReturnKey);
    }
    auto *main = shown<Form1>();
    QVERIFY2(!form || main == form || closesMain, "the main window went away");
    QVERIFY2(shown<About>() || !showsAbout, "Help did not show the About window");
    if (!main)
        return;

    if (main != form || moved)
        handPicked.reset();
    if (accepted && pick == Pick::Text)
        handPicked = choice;
    if (accepted && pick == Pick::Window)
        QCOMPARE(main->backColor(), choice);
    QVERIFY2(accepted || pick == Pick::None || !moved, "a cancelled pick moved a slider");
    if (slider)
        QCOMPARE(slider->value(), value);
    verifyColours(*main, handPicked);
}

} // namespace

class tst_Storm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomActions()
    {
        setUpRuntime();
        s_previousHandler = qInstallMessageHandler(quietHandler);
        const quint64 seed = qEnvironmentVariable("TINCT_STORM_SEED", u"20250607"_s).toULongLong();
        const int actions = qEnvironmentVariable("TINCT_STORM_ACTIONS", u"5000"_s).toInt();
        Storm storm{std::mt19937_64(seed)};
        while (storm.log.size() < actions && !QTest::currentTestFailed())
            storm.step();
        if (!QTest::currentTestFailed())
            storm.start(); // nothing left behind, once more at the end
        if (QTest::currentTestFailed()) // with what led to it
            qInfo().noquote() << u"seed %1:"_s.arg(seed) << storm.log.mid(storm.log.size() - 20);
    }
};

QTEST_MAIN(tst_Storm)
#include "tst_storm.moc"
