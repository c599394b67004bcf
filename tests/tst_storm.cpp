// A seeded random run of user actions over both windows and the colour
// dialogs, each inside the program's event loop, with what the user must see
// checked after every one. When the program ends it is started again, and
// nothing of the closed windows may be left by then.
//
// TINCT_STORM_SEED=<number> replays a run; TINCT_STORM_ACTIONS sets its length.

#include "support.h"

#include <QMenuBar>

#include <numeric>
#include <random>

using namespace Qt::StringLiterals;

namespace {

constexpr int StillRunning = 1, Hung = 2; // exec()'s status but at the program's end (0)

// Typed: ASCII, accented Latin, Cyrillic, symbols, CJK, a
// right-to-left script and a character outside the BMP.
const QStringList Pieces = {u"a"_s, u" "_s, u"ü"_s, u"Ж"_s, u"✓"_s, u"色"_s, u"ש"_s, u"🙂"_s};
// How far a click on a part of a slider, a key or a turn of the wheel moves it.
constexpr std::pair<QStyle::SubControl, int> Parts[] = {{QStyle::SC_ScrollBarAddLine, 5},
                                                        {QStyle::SC_ScrollBarSubLine, -5},
                                                        {QStyle::SC_ScrollBarAddPage, 50},
                                                        {QStyle::SC_ScrollBarSubPage, -50}};
constexpr std::pair<Qt::Key, int> Keys[]
        = {{Qt::Key_Left, -5},   {Qt::Key_Right, 5},      {Qt::Key_Up, 5},      {Qt::Key_Down, -5},
           {Qt::Key_PageUp, 50}, {Qt::Key_PageDown, -50}, {Qt::Key_Home, -255}, {Qt::Key_End, 255},
           {Qt::Key_Tab, 0},     {Qt::Key_Backtab, 0},    {Qt::Key_Return, 0},  {Qt::Key_Space, 0}};
constexpr std::pair<QPoint, int> Wheel[]
        = {{{0, 120}, 15}, {{0, -120}, -15}, {{-120, 0}, 15}, {{120, 0}, -15}};
// How often each action below comes; from the fifth on they need the main window.
constexpr int Weights[] = {18, 14, 4, 4, 12, 5, 3, 5, 11, 5, 1};

// Messages every run produces by the thousand that say nothing about the
// program: the offscreen platform's, and QTest's for an ignored click.
QtMessageHandler s_previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(u"This plugin does not support")
        && !message.endsWith(u"not accepted by receiving widget"))
        s_previousHandler(type, context, message);
}

enum class Pick { None, Window, Text };

class Storm
{
public:
    explicit Storm(quint64 seed)
        : m_dice(seed)
    { }

    void start();
    void step();
    QStringList log;

private:
    int below(int n) { return int(m_dice() % quint64(n)); }
    QPoint in(const QWidget &widget) { return {below(widget.width()), below(widget.height())}; }
    QWidget &anyWindow()
    {
        QList<QWidget *> windows = {shown<Form1>(), shown<About>()}; // in a fixed order
        windows.removeAll(nullptr);
        return *windows.at(below(int(windows.size())));
    }
    void moves(const HScrollBar &bar, int by)
    {
        m_slider = &bar;
        m_value = std::clamp(bar.value() + by, 0, 255);
    }
    QString act(Form1 *form);
    void check(Form1 *before, ColorValue windowBefore, ColorValue textBefore, ColorValue choice);

    std::mt19937_64 m_dice; // the same everywhere: a seed replays on any machine
    std::unique_ptr<WindowRegistry> m_windows;
    bool m_ended = true; // the program is to be started
    // What the action must lead to, beyond what every action must leave.
    Pick m_pick = Pick::None;
    bool m_ends = false, m_closesMain = false, m_showsAbout = false;
    const HScrollBar *m_slider = nullptr; // must end up at m_value
    int m_value = 0;
    QString m_failure; // seen during the action itself
    std::unique_ptr<DialogAnswerer> m_answerer;
    DialogAnswer m_answer = DialogAnswer::OkButton;
    bool m_moved = false; // a slider changed
    std::optional<ColorValue> m_handPicked; // the sample text's, until a slider moves
    QPointer<About> m_about;
    int m_aboutPrinted = 0; // how far About has printed
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
            m_pick = target == &form->surface() ? Pick::Window
                    : target == &form->Text1()  ? Pick::Text
                                                : Pick::None;
            m_ends = target == &form->Text2();
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
    case 2: { // a window brought forward or minimised
        QWidget &window = anyWindow();
        if (below(4) == 0)
            window.showMinimized();
        else
            window.activateWindow(); // About brings a closed main window back
        return u"activate or minimise "_s + window.windowTitle();
    }
    case 3: { // a window closed
        QWidget &window = anyWindow();
        m_ends = !(shown<Form1>() && shown<About>());
        m_closesMain = &window == form;
        window.close();
        return u"close "_s + window.windowTitle();
    }
    case 4: { // a click on a part of a slider
        HScrollBar &bar = form->HScroll1(i);
        const auto [part, step] = Parts[below(4)];
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
            m_failure = u"slider %1 moved with its thumb held"_s.arg(i);
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, point);
        return u"drag slider %1 to %2,%3"_s.arg(i).arg(point.x()).arg(point.y());
    }
    case 6: { // a turn of the wheel
        HScrollBar &bar = form->HScroll1(i);
        const auto [angle, step] = Wheel[below(4)];
        moves(bar, step);
        QWheelEvent wheel(QPointF(5, 5), bar.mapToGlobal(QPointF(5, 5)), {}, angle, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&bar, &wheel);
        return u"wheel slider %1 by %2"_s.arg(i).arg(step);
    }
    case 7: { // a click that opens a colour dialog
        const bool text = below(3) == 0;
        QWidget &target = text ? static_cast<QWidget &>(form->Text1()) : form->surface();
        QPoint at;
        while (at.isNull() || target.childAt(at))
            at = in(target);
        m_pick = text ? Pick::Text : Pick::Window;
        QTest::mouseClick(&target, Qt::LeftButton, {}, at);
        return u"pick at %1,%2 of %3"_s.arg(at.x()).arg(at.y()).arg(text);
    }
    case 8: { // typed text, a key event a character, as a keyboard or an input method sends them
        TextBox &box = below(2) ? form->Text1() : form->Text2();
        QString text;
        for (int pieces = 1 + below(8); pieces > 0; --pieces)
            text += Pieces.at(below(int(Pieces.size())));
        for (qsizetype at = 0, length = 0; at < text.size(); at += length) {
            length = text.at(at).isHighSurrogate() ? 2 : 1;
            QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, text.mid(at, length), {});
        }
        return u"type \"%1\" into %2"_s.arg(text, box.accessibleName());
    }
    case 9: { // Help, from the menu or with Alt+H in the main window
        m_showsAbout = true;
        if (below(2)) {
            QMenuBar &bar = *form->menuBar();
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
        m_ends = true;
        QTest::mouseClick(&form->Text2(), Qt::LeftButton, {}, QPoint(5, 5));
        return u"click Quit"_s;
    }
}

void Storm::start()
{
    m_windows.reset();
    settle();
    // A closed program leaves nothing behind: no widget, no native window.
    QVERIFY2(QApplication::allWidgets().isEmpty() && QGuiApplication::allWindows().isEmpty(),
             qPrintable(u"%1 widgets and %2 windows left behind by a closed program"_s
                                .arg(QApplication::allWidgets().size())
                                .arg(QGuiApplication::allWindows().size())));
    m_windows = std::make_unique<WindowRegistry>();
    WindowRegistry::get<Form1>().show();
    settle();
    m_handPicked.reset();
}

void Storm::step()
{
    if (m_ended)
        start();
    if (QTest::currentTestFailed())
        return;
    Form1 *form = shown<Form1>();
    const ColorValue windowBefore = form ? form->backColor() : 0;
    const ColorValue textBefore = form ? foreColor(form->Text1()) : 0;

    // Drawn for every action, so that whether a dialog comes up shifts
    // nothing that follows. A quarter of the picks keep the window's colour,
    // a quarter change one channel.
    m_answer = DialogAnswer(below(5));
    ColorValue choice = below(0x1000000);
    if (const int roll = below(4), shift = 8 * below(3); roll == 0)
        choice = windowBefore;
    else if (roll == 1)
        choice = (windowBefore & ~(0xFF << shift)) | (choice & (0xFF << shift));
    m_answerer = std::make_unique<DialogAnswerer>(m_answer, toQColor(choice));
    m_moved = false;
    QObject watch;
    for (qint16 i = 0; form && i <= 2; ++i)
        QObject::connect(&form->HScroll1(i), &QScrollBar::valueChanged, &watch,
                         [this] { m_moved = true; });

    // The action runs inside the program's event loop, as for a user; exec()
    // returns 0 once the program has ended.
    m_pick = Pick::None;
    m_ends = m_closesMain = m_showsAbout = false;
    m_slider = nullptr;
    m_failure.clear();
    QTimer::singleShot(0, qApp, [&] {
        log.append(u"#%1 %2 {%3 %4}"_s.arg(log.size())
                           .arg(act(form))
                           .arg(int(m_answer))
                           .arg(choice, 0, 16));
        settle();
        // Closing the last window quits through a posted event: let it come.
        if (!WindowRegistry::isEnding() && (shown<Form1>() || shown<About>()))
            QCoreApplication::exit(StillRunning);
    });
    QTimer timeout;
    QObject::connect(&timeout, &QTimer::timeout, qApp, [] { QCoreApplication::exit(Hung); });
    timeout.start(5000);
    const int status = QApplication::exec();
    m_ended = status == 0;
    QVERIFY2(status != Hung, "the program hung");
    QVERIFY2(m_ended == m_ends, m_ended ? "the program ended" : "the program went on");
    check(form, windowBefore, textBefore, choice);
}

void Storm::check(Form1 *before, ColorValue windowBefore, ColorValue textBefore, ColorValue choice)
{
    m_failure += m_answerer->failure;
    QVERIFY2(m_failure.isEmpty(), qPrintable(m_failure));
    QVERIFY2(!QApplication::activeModalWidget(), "a modal window is still open");
    QVERIFY2(!m_ended || (!shown<Form1>() && !shown<About>()), "a window is shown after the end");
    if (m_ended)
        return;

    const QList<DialogAnswerer::Opening> &openings = m_answerer->openings;
    QCOMPARE(openings.size(), m_pick == Pick::None ? 0 : 1);
    const bool accepted = !openings.isEmpty() && openings[0].accepted;
    if (!openings.isEmpty()) {
        QCOMPARE(openings[0].owner, before);
        QCOMPARE(toColorValue(openings[0].openedWith),
                 m_pick == Pick::Window ? windowBefore : textBefore);
        QCOMPARE(accepted,
                 m_answer == DialogAnswer::OkButton || m_answer == DialogAnswer::ReturnKey);
    }

    Form1 *main = shown<Form1>();
    QVERIFY2(!before || main == before || m_closesMain, "the main window went away");
    QVERIFY2(shown<About>() || !m_showsAbout, "Help did not show the About window");
    // About prints a block at each activation from the main window, each
    // under the one before.
    if (shown<About>() != m_about)
        m_aboutPrinted = 0;
    m_about = shown<About>();
    if (m_about) {
        const int position = m_about->surface().currentY();
        const int block = 6 * QFontMetrics(m_about->surface().font()).height();
        QVERIFY2(position > 0 && position % block == 0 && position >= m_aboutPrinted,
                 qPrintable(
                         u"About printed to %1 px, after %2"_s.arg(position).arg(m_aboutPrinted)));
        m_aboutPrinted = position;
    }
    if (!main)
        return;

    if (main != before || m_moved)
        m_handPicked.reset();
    if (accepted && m_pick == Pick::Text)
        m_handPicked = choice;
    if (accepted && m_pick == Pick::Window)
        QCOMPARE(main->backColor(), choice);
    QVERIFY2(accepted || m_pick == Pick::None || !m_moved, "a cancelled pick moved a slider");
    if (m_slider)
        QCOMPARE(m_slider->value(), m_value);
    QCOMPARE(main->Text2().text(), u"Quit"_s);
    verifyColours(*main, m_handPicked);
}

} // namespace

class tst_Storm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomActions()
    {
        s_previousHandler = qInstallMessageHandler(quietHandler);
        const quint64 seed = qEnvironmentVariable("TINCT_STORM_SEED", u"20250607"_s).toULongLong();
        const int actions = qEnvironmentVariable("TINCT_STORM_ACTIONS", u"5000"_s).toInt();
        Storm storm(seed);
        while (storm.log.size() < actions && !QTest::currentTestFailed())
            storm.step();
        if (!QTest::currentTestFailed())
            storm.start(); // nothing left behind, once more at the end
        if (QTest::currentTestFailed()) {
            qInfo("storm: seed %llu failed at action %d; the last actions:", seed,
                  int(storm.log.size() - 1));
            for (const QString &line : storm.log.mid(std::max(0, int(storm.log.size()) - 20)))
                qInfo().noquote() << line;
        }
    }
};

QTEST_MAIN(tst_Storm)
#include "tst_storm.moc"
