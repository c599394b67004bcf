// A seeded random run of user actions over both windows, each run inside the
// program's event loop, with what the user must see checked after it.
//
// TINCT_STORM_SEED=<number> replays a run, TINCT_STORM_SEED=random draws a
// fresh seed; TINCT_STORM_ACTIONS sets the length.

#include "storm/dialoganswerer.h"
#include "support.h"

#include "forms/about.h"
#include "platform/surface.h"
#include "platform/windowregistry.h"

#include <QAction>
#include <QClipboard>
#include <QKeySequence>
#include <QMenuBar>

#include <memory>
#include <optional>
#include <random>

using namespace Qt::StringLiterals;

namespace {

constexpr int StillRunning = 1, Hung = 2; // exec()'s status but at the program's end (0)

// Typed and pasted: ASCII, accented Latin, Cyrillic, symbols, CJK, a
// right-to-left script and a character outside the BMP.
const QStringList Pieces = {u"a"_s, u"Z"_s, u"7"_s,  u" "_s, u"ü"_s,    u"ß"_s,
                            u"Ж"_s, u"✓"_s, u"色"_s, u"ש"_s, u"🙂"_s, u"€"_s};

// Most clicks are left clicks.
constexpr Qt::MouseButton Buttons[]
        = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};

// How far a click on a part of a slider moves it.
using Part = std::pair<QStyle::SubControl, int>;
constexpr Part Parts[] = {{QStyle::SC_ScrollBarAddLine, 5},
                          {QStyle::SC_ScrollBarSubLine, -5},
                          {QStyle::SC_ScrollBarAddPage, 50},
                          {QStyle::SC_ScrollBarSubPage, -50}};

// Keys, and how far each moves a slider that has the focus.
constexpr std::pair<Qt::Key, int> Keys[] = {
        {Qt::Key_Left, -5},   {Qt::Key_Right, 5},      {Qt::Key_Up, 5},        {Qt::Key_Down, -5},
        {Qt::Key_PageUp, 50}, {Qt::Key_PageDown, -50}, {Qt::Key_Home, -255},   {Qt::Key_End, 255},
        {Qt::Key_Tab, 0},     {Qt::Key_Backtab, 0},    {Qt::Key_Backspace, 0}, {Qt::Key_Delete, 0},
        {Qt::Key_Return, 0},  {Qt::Key_Escape, 0},     {Qt::Key_Space, 0},     {Qt::Key_Alt, 0}};

const auto hex = [](ColorValue colour) { return u"#%1"_s.arg(colour, 6, 16, QChar(u'0')); };
const auto nameOf = [](const QObject *object) {
    return QString::fromLatin1(object->metaObject()->className());
};

template<typename Window>
Window *shown()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}

// In a fixed order, so that a seed replays the same run.
QList<QWidget *> shownWindows()
{
    QList<QWidget *> windows = {shown<Form1>(), shown<About>()};
    windows.removeAll(nullptr);
    return windows;
}

// Messages every run produces by the thousand that say nothing about the
// program: the offscreen platform's, and QTest's for an ignored click.
QtMessageHandler s_previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message == u"This plugin does not support propagateSizeHints()"
        || message.startsWith(u"This plugin does not support grabbing the")
        || message.endsWith(u"not accepted by receiving widget"))
        return;
    s_previousHandler(type, context, message);
}

enum class Pick { None, Window, Text };

struct Storm
{
    // What an action must lead to, beyond what every action must leave.
    struct Effect
    {
        Pick pick = Pick::None; // the colour dialog it opens
        bool ends = false; // it ends the program
        bool closesMain = false; // the main window may go, or come back fresh
        bool showsAbout = false;
        int slider = -1, value = 0; // a slider that must end up at value
    };

    int below(int n) { return int(dice() % quint64(n)); }
    QPoint at(const QWidget &widget) { return {below(widget.width()), below(widget.height())}; }
    QWidget *anyWindow() { return shownWindows().at(below(int(shownWindows().size()))); }
    QString text(int pieces)
    {
        QString text;
        while (pieces-- > 0)
            text += Pieces.at(below(int(Pieces.size())));
        return text;
    }

    void step(int number);
    void printHistory() const
    {
        qInfo("storm: failed at action %d of seed %llu; repeat with TINCT_STORM_SEED=%llu "
              "TINCT_STORM_ACTIONS=%d. The last actions:",
              number, seed, seed, number + 1);
        for (const QString &line : log.mid(std::max(0, int(log.size()) - 20)))
            qInfo().noquote() << line;
    }

    const quint64 seed;
    std::mt19937_64 dice{seed}; // the same everywhere: a seed replays on any machine
    std::unique_ptr<WindowRegistry> shell{};
    bool ended = true; // the program is to be started
    Effect effect{};
    QString failure{}; // seen during the action itself
    std::optional<ColorValue> handPicked{}; // the sample text's, until a slider moves
    QStringList log{}; // a line an action: equal logs, equal runs
    int number = 0;
};

// What a user does, how often, and whether it needs the main window. Each
// action notes in the effect what must follow, and says what it did.
struct Action
{
    int weight;
    bool needsMain;
    QString (*run)(Storm &, Form1 *);
};

const Action Actions[] = {
        {18, false,
         [](Storm &s, Form1 *) {
             QWidget *window = s.anyWindow();
             QWidget *target = window;
             QPoint at; // QTest takes a null position for the centre
             while (at.isNull()) {
                 const QPoint point = s.at(*window);
                 target = window->childAt(point) ? window->childAt(point) : window;
                 at = target->mapFrom(window, point);
             }
             const Qt::MouseButton button = Buttons[s.below(int(std::size(Buttons)))];
             if (auto *form = qobject_cast<Form1 *>(window); form && button == Qt::LeftButton) {
                 s.effect.pick = target == &form->surface() ? Pick::Window
                         : target == &form->Text1()         ? Pick::Text
                                                            : Pick::None;
                 s.effect.ends = target == &form->Text2();
             }
             QTest::mouseClick(target, button, {}, at);
             return QString::asprintf("click button %d at (%d,%d) on %s of %s", int(button), at.x(),
                                      at.y(), target->metaObject()->className(),
                                      window->metaObject()->className());
         }},
        {12, true,
         [](Storm &s, Form1 *form) {
             const auto i = qint16(s.below(3));
             HScrollBar &bar = form->HScroll1(i);
             const auto [part, step] = Parts[s.below(4)];
             // The track beside a thumb near its end may be too thin to click.
             if (std::abs(step) == 5 || (step > 0 ? bar.value() <= 230 : bar.value() >= 25)) {
                 s.effect.slider = i;
                 s.effect.value = std::clamp(bar.value() + step, 0, 255);
             }
             clickSubControl(bar, part);
             return u"click slider %1 to step %2"_s.arg(i).arg(step);
         }},
        {5, true,
         [](Storm &s, Form1 *form) {
             const auto i = qint16(s.below(3));
             HScrollBar &bar = form->HScroll1(i);
             const int before = bar.value();
             QPoint point = subControlCenter(bar, QStyle::SC_ScrollBarSlider);
             QTest::mousePress(&bar, Qt::LeftButton, {}, point);
             for (int moves = 1 + s.below(4); moves > 0; --moves) {
                 point += QPoint(s.below(81) - 40, s.below(17) - 8);
                 QTest::mouseMove(&bar, point);
             }
             // Tracking is off: a thumb still held commits nothing.
             if (bar.value() != before || form->Label1(i).text() != QString::number(before))
                 s.failure = u"slider %1 moved to %2 with its thumb held"_s.arg(i).arg(bar.value());
             QTest::mouseRelease(&bar, Qt::LeftButton, {}, point);
             return u"drag slider %1 to (%2,%3)"_s.arg(i).arg(point.x()).arg(point.y());
         }},
        {5, true,
         [](Storm &s, Form1 *form) {
             const bool text = s.below(3) == 0;
             QWidget &target = text ? static_cast<QWidget &>(form->Text1()) : form->surface();
             QPoint at;
             while (at.isNull() || target.childAt(at))
                 at = s.at(target);
             s.effect.pick = text ? Pick::Text : Pick::Window;
             QTest::mouseClick(&target, Qt::LeftButton, {}, at);
             return u"click %1 at (%2,%3)"_s.arg(nameOf(&target)).arg(at.x()).arg(at.y());
         }},
        {14, false,
         [](Storm &s, Form1 *form) {
             const auto [key, step] = Keys[s.below(int(std::size(Keys)))];
             QWidget *target
                     = QApplication::focusWidget() ? QApplication::focusWidget() : s.anyWindow();
             for (qint16 i = 0; form && i <= 2; ++i) {
                 if (target == &form->HScroll1(i)) {
                     s.effect.slider = i;
                     s.effect.value = std::clamp(form->HScroll1(i).value() + step, 0, 255);
                 }
             }
             QTest::keyClick(target, key);
             return u"key %1 to %2"_s.arg(QKeySequence(key).toString(), nameOf(target));
         }},
        {11, true,
         [](Storm &s, Form1 *form) {
             TextBox &box = s.below(2) ? form->Text1() : form->Text2();
             if (s.below(3) == 0) { // a paste, short or long, maybe over all the text
                 QGuiApplication::clipboard()->setText(
                         s.text(s.below(2) ? 1 + s.below(20) : 10000));
                 if (s.below(2))
                     QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
                 QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
                 return u"paste %1 chars into "_s.arg(QGuiApplication::clipboard()->text().size())
                         + box.accessibleName();
             }
             // A key event a character, as a keyboard or an input method sends them.
             const QString typed = s.text(1 + s.below(8));
             for (qsizetype i = 0, length = 0; i < typed.size(); i += length) {
                 length = typed.at(i).isHighSurrogate() ? 2 : 1;
                 QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, typed.mid(i, length), {});
             }
             return u"type \"%1\" into %2"_s.arg(typed, box.accessibleName());
         }},
        {5, true,
         [](Storm &s, Form1 *form) {
             s.effect.showsAbout = true;
             if (s.below(2)) {
                 QMenuBar &bar = *form->menuBar();
                 QTest::mouseClick(&bar, Qt::LeftButton, {},
                                   bar.actionGeometry(&form->help()).center());
                 return u"Help from the menu"_s;
             }
             // A shortcut works in the active window: bring the main window forward.
             form->activateWindow();
             settle();
             QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form,
                             Qt::Key_H, Qt::AltModifier);
             return u"Help with Alt+H"_s;
         }},
        {4, false,
         [](Storm &s, Form1 *) {
             QWidget *window = s.anyWindow();
             window->activateWindow(); // About brings a closed main window back
             return u"activate "_s + nameOf(window);
         }},
        {4, false,
         [](Storm &s, Form1 *form) {
             QWidget *window = s.anyWindow();
             s.effect.ends = shownWindows().size() == 1;
             s.effect.closesMain = window == form;
             window->close();
             return u"close "_s + nameOf(window);
         }},
        {3, false,
         [](Storm &s, Form1 *) {
             WindowRegistry::get<Form1>().show();
             return u"show the main window"_s;
         }},
        {1, true,
         [](Storm &s, Form1 *form) {
             s.effect.ends = true;
             QTest::mouseClick(&form->Text2(), Qt::LeftButton, {}, QPoint(5, 5));
             return u"click Quit"_s;
         }},
};

void Storm::step(int n)
{
    number = n;
    if (ended) {
        shell.reset();
        QGuiApplication::clipboard()->clear(); // nothing left from an earlier run
        shell = std::make_unique<WindowRegistry>();
        WindowRegistry::get<Form1>().show();
        settle();
        handPicked.reset();
    }
    Form1 *form = shown<Form1>();
    const QPointer<Form1> mainBefore = form;
    const ColorValue windowBefore = form ? form->backColor() : 0;
    const ColorValue textBefore = form ? foreColor(form->Text1()) : 0;

    // Drawn for every action, so that whether a dialog comes up shifts
    // nothing that follows. A quarter of the picks keep the window's colour,
    // a quarter change one channel.
    const auto answer = DialogAnswer(below(DialogAnswerCount));
    ColorValue choice = below(0x1000000);
    if (const int roll = below(4), shift = 8 * below(3); roll == 0)
        choice = windowBefore;
    else if (roll == 1)
        choice = (windowBefore & ~(0xFF << shift)) | (choice & (0xFF << shift));

    int totalWeight = 0;
    for (const Action &action : Actions)
        totalWeight += action.weight;
    const Action *action = nullptr;
    while (!action || (action->needsMain && !form)) {
        int roll = below(totalWeight);
        for (action = Actions; roll >= action->weight; ++action)
            roll -= action->weight;
    }

    DialogAnswerer answerer(answer, toQColor(choice));
    answerer.onOtherModal = [this](QWidget *modal) {
        printHistory(); // most likely the error report, which ends the process
        qCritical().noquote() << nameOf(modal) << "came up:" << modal->property("text").toString();
        modal->close();
    };
    bool moved = false;
    QObject watch;
    for (qint16 i = 0; form && i <= 2; ++i)
        QObject::connect(&form->HScroll1(i), &QScrollBar::valueChanged, &watch,
                         [&moved] { moved = true; });

    // The action runs inside the program's event loop, as for a user; exec()
    // returns 0 once the program has ended.
    effect = {};
    failure.clear();
    QString line;
    QTimer::singleShot(0, qApp, [&] {
        line = action->run(*this, form);
        settle();
        if (!WindowRegistry::isEnding() && !shownWindows().isEmpty())
            QCoreApplication::exit(StillRunning);
    });
    QTimer timeout;
    QObject::connect(&timeout, &QTimer::timeout, qApp, [] { QCoreApplication::exit(Hung); });
    timeout.start(5000);
    const int status = QApplication::exec();
    ended = status == 0;

    const QList<DialogAnswerer::Opening> &openings = answerer.openings();
    if (!openings.isEmpty())
        line += u" {%1 %2}"_s.arg(QLatin1StringView(DialogAnswerNames[int(answer)]), hex(choice));
    Form1 *main = shown<Form1>();
    const QString state = !main
            ? u"main closed"_s
            : QString::asprintf("window %06x text %06x, %d chars", main->backColor(),
                                foreColor(main->Text1()), int(main->Text1().text().size()));
    log.append(u"#%1 %2 [%3%4]"_s.arg(n).arg(line, state, shown<About>() ? u", About"_s : u""_s));

    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY2(status != Hung, "the program hung, or went on with no window shown");
    QVERIFY2(ended == effect.ends, ended ? "the program ended" : "the program went on");
    QVERIFY2(!QApplication::activeModalWidget(), "a modal window is still open");
    if (ended) {
        QVERIFY2(shownWindows().isEmpty(), "a window is still shown after the end");
        return;
    }

    QCOMPARE(int(openings.size()), effect.pick == Pick::None ? 0 : 1);
    const bool accepted = !openings.isEmpty() && openings.first().accepted;
    if (!openings.isEmpty()) {
        QVERIFY2(openings.first().closedByAnswer && openings.first().owner == mainBefore,
                 "the colour dialog stayed open, or is not the main window's");
        QCOMPARE(hex(openings.first().openedWith),
                 hex(effect.pick == Pick::Window ? windowBefore : textBefore));
        QCOMPARE(accepted, keepsColour(answer));
    }

    QVERIFY2(!form || main == mainBefore || effect.closesMain, "the main window went away");
    QVERIFY2(shown<About>() || !effect.showsAbout, "Help did not show the About window");
    if (const About *about = shown<About>()) // its instructions, printed once
        QCOMPARE(about->surface().currentY(), 6 * QFontMetrics(about->surface().font()).height());
    if (!main)
        return;

    if (main != mainBefore || moved)
        handPicked.reset();
    if (accepted && effect.pick == Pick::Text)
        handPicked = choice;
    if (accepted && effect.pick == Pick::Window)
        QCOMPARE(hex(main->backColor()), hex(choice));
    QVERIFY2(accepted || effect.pick == Pick::None || !moved, "a cancelled pick moved a slider");
    if (effect.slider >= 0)
        QCOMPARE(main->HScroll1(qint16(effect.slider)).value(), effect.value);
    for (qint16 i = 0; i <= 2; ++i) {
        QVERIFY(main->HScroll1(i).value() >= 0 && main->HScroll1(i).value() <= 255);
        QCOMPARE(main->Label1(i).text(), QString::number(main->HScroll1(i).value()));
    }
    QCOMPARE(main->Text2().text(), u"Quit"_s);
    if (!handPicked)
        return verifyColours(*main);
    // verifyColours, but for the sample text's colour, picked by hand.
    QCOMPARE(foreColor(main->Text1()), *handPicked);
    const ColorValue window = Compose(ChannelValue(main->HScroll1(0).value()),
                                      ChannelValue(main->HScroll1(1).value()),
                                      ChannelValue(main->HScroll1(2).value()));
    for (const ColorValue colour : {main->backColor(), backColor(main->Text1()),
                                    backColor(main->Label2()), backColor(main->Text2())})
        QCOMPARE(colour, window);
}

} // namespace

class tst_Storm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { s_previousHandler = qInstallMessageHandler(quietHandler); }
    void cleanupTestCase() { qInstallMessageHandler(s_previousHandler); }

    void randomActions()
    {
        quint64 seed = 20250607;
        int actions = 5000;
        bool ok = true;
        if (const QByteArray text = qgetenv("TINCT_STORM_SEED").trimmed(); text == "random")
            seed = (quint64(std::random_device()()) << 32) | std::random_device()();
        else if (!text.isEmpty())
            seed = text.toULongLong(&ok);
        QVERIFY2(ok, "TINCT_STORM_SEED must be a number or 'random'");
        if (const QByteArray text = qgetenv("TINCT_STORM_ACTIONS").trimmed(); !text.isEmpty())
            actions = text.toInt(&ok);
        QVERIFY2(ok && actions > 0, "TINCT_STORM_ACTIONS must be a positive number");
        qInfo("storm: seed %llu, %d actions", seed, actions);

        Storm storm{seed};
        for (int number = 0; number < actions && !QTest::currentTestFailed(); ++number)
            storm.step(number);
        if (QTest::currentTestFailed())
            storm.printHistory();
    }

    // A printed seed is only worth something if it replays the same run.
    void sameSeedSameRun()
    {
        QStringList logs[2];
        for (QStringList &log : logs) {
            Storm storm{7};
            for (int number = 0; number < 300 && !QTest::currentTestFailed(); ++number)
                storm.step(number);
            if (QTest::currentTestFailed())
                return storm.printHistory();
            log = storm.log;
        }
        QCOMPARE(logs[1], logs[0]);
    }
};

QTEST_MAIN(tst_Storm)
#include "tst_storm.moc"
