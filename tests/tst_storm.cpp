// A seeded random run of user actions over both windows, with what the user
// should see checked after every action.
//
// TINCT_STORM_SEED=<number> replays a run, TINCT_STORM_SEED=random draws a
// fresh seed (printed at the start); TINCT_STORM_ACTIONS sets the length.

#include "storm/dialoganswerer.h"
#include "support.h"

#include "app/shell.h"
#include "forms/about.h"
#include "platform/surface.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenuBar>

#include <array>
#include <deque>
#include <memory>
#include <optional>
#include <random>

using namespace Qt::StringLiterals;

namespace {

constexpr quint64 DefaultSeed = 20250607;
constexpr int DefaultActions = 5000;
constexpr int HistoryLength = 20;

struct StormSettings
{
    quint64 seed = DefaultSeed;
    int actions = DefaultActions;
    QString error;
};

StormSettings settingsFromEnvironment()
{
    StormSettings settings;
    const QByteArray seed = qgetenv("TINCT_STORM_SEED").trimmed();
    bool ok = true;
    if (seed == QByteArrayLiteral("random")) {
        std::random_device device;
        settings.seed = (quint64(device()) << 32) | device();
    } else if (!seed.isEmpty()) {
        settings.seed = seed.toULongLong(&ok);
    }
    if (!ok)
        settings.error = u"TINCT_STORM_SEED must be a number or 'random'"_s;
    const QByteArray actions = qgetenv("TINCT_STORM_ACTIONS").trimmed();
    if (!actions.isEmpty()) {
        settings.actions = actions.toInt(&ok);
        if (!ok || settings.actions <= 0)
            settings.error = u"TINCT_STORM_ACTIONS must be a positive number"_s;
    }
    return settings;
}

// std::mt19937_64 is the same everywhere, and the draws are our own, so a
// seed replays the same run on any machine.
class Dice
{
public:
    explicit Dice(quint64 seed)
        : m_engine(seed)
    { }

    int below(int n) { return int(m_engine() % quint64(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int chance) { return below(100) < chance; }

private:
    std::mt19937_64 m_engine;
};

QString hex(ColorValue colour)
{
    return u"#%1"_s.arg(colour, 6, 16, QChar(u'0'));
}

QString nameOf(const QObject *object)
{
    return QString::fromLatin1(object->metaObject()->className());
}

QString at(QPoint point)
{
    return u"(%1,%2)"_s.arg(point.x()).arg(point.y());
}

// Typed and pasted: ASCII, accented Latin, Cyrillic, symbols, CJK, a
// right-to-left script and a character outside the BMP.
const QStringList TextPieces = {
        u"a"_s,  u"Z"_s,  u"7"_s, u" "_s,    u"."_s, u"ü"_s, u"é"_s, u"ß"_s, u"Ж"_s, u"✓"_s,
        u"色"_s, u"彩"_s, u"ש"_s, u"🙂"_s, u"€"_s, u"n"_s, u"G"_s, u"r"_s, u"!"_s, u"-"_s,
};

// The part of a scroll bar at a point, as the style lays it out.
QStyle::SubControl partAt(const QScrollBar &bar, QPoint point)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    return bar.style()->hitTestComplexControl(QStyle::CC_ScrollBar, &option, point, &bar);
}

struct Part
{
    QStyle::SubControl control;
    const char *name;
    int step; // what a press does: arrows step by 5, the track beside the thumb by 50
};

constexpr Part Parts[] = {
        {QStyle::SC_ScrollBarAddLine, "right arrow", 5},
        {QStyle::SC_ScrollBarSubLine, "left arrow", -5},
        {QStyle::SC_ScrollBarAddPage, "track right", 50},
        {QStyle::SC_ScrollBarSubPage, "track left", -50},
        {QStyle::SC_ScrollBarSlider, "thumb", 0},
};

int stepOf(QStyle::SubControl control)
{
    for (const Part &part : Parts) {
        if (part.control == control)
            return part.step;
    }
    return 0;
}

QString partName(QStyle::SubControl control)
{
    for (const Part &part : Parts) {
        if (part.control == control)
            return QString::fromLatin1(part.name);
    }
    return u"edge"_s;
}

template<typename Window>
QList<Window *> shown()
{
    QList<Window *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *window = qobject_cast<Window *>(widget);
        if (window && window->isVisible())
            windows.append(window);
    }
    return windows;
}

Form1 *shownForm1()
{
    return shown<Form1>().value(0);
}

About *shownAbout()
{
    return shown<About>().value(0);
}

// Where keys go: the focus widget, else the active window.
QWidget *keyTarget()
{
    if (QWidget *focus = QApplication::focusWidget())
        return focus;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    if (Form1 *form = shownForm1())
        return form;
    return shownAbout();
}

// Messages every run produces by the thousand that say nothing about the
// program: the offscreen platform's notes, and QTest's note that an event
// went to a widget that ignores it.
QtMessageHandler s_previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message == u"This plugin does not support propagateSizeHints()"
        || message.startsWith(u"This plugin does not support grabbing the")
        || message.endsWith(u"not accepted by receiving widget"))
        return;
    s_previousHandler(type, context, message);
}

enum class Pick { Window, Text };

// What an action leads the user to expect, beyond the standing invariants.
struct Expectation
{
    QList<Pick> dialogs; // colour dialogs that must come up, in order
    QList<ColorValue> openWith; // the colour each must open with
    bool mayLoadMain = false; // a fresh main window may appear
    bool mayCloseMain = false;
    bool mayCloseAbout = false;
    bool showsAbout = false;
    bool textKnown = true; // the model follows the sample text
    std::array<bool, 3> sliderKnown{true, true, true};
    // Where the model does not follow a slider, it still goes the way the
    // user pushed it: +1 up, -1 down, 0 either.
    std::array<int, 3> direction{0, 0, 0};
};

// What the main window should show, worked out here, not taken from the
// program.
struct MainModel
{
    int id = 0; // 0: no main window shown
    std::array<int, 3> sliders{200, 200, 200};
    std::optional<ColorValue> handPicked; // text colour picked since the last slider change
    QString text = u"Text"_s;

    // Red in the low byte, blue in the third.
    ColorValue window() const { return sliders[0] | sliders[1] << 8 | sliders[2] << 16; }
    ColorValue textColour() const { return handPicked ? *handPicked : 0xFFFFFF - window(); }

    void setSlider(int index, int value)
    {
        value = std::clamp(value, 0, 255);
        if (value != sliders[std::size_t(index)]) {
            sliders[std::size_t(index)] = value;
            handPicked.reset();
        }
    }
};

class Storm
{
public:
    explicit Storm(quint64 seed)
        : m_seed(seed)
        , m_dice(seed)
    {
        // What an earlier run left on the clipboard must not leak into this one.
        QGuiApplication::clipboard()->clear();
        start();
    }

    ~Storm()
    {
        m_shell.reset();
        settle();
    }

    Storm(const Storm &) = delete;
    Storm &operator=(const Storm &) = delete;

    // Runs one random action and checks what it left: returns what went
    // wrong, or nothing.
    QString step(int number);

    // One line per action: equal logs, equal runs.
    const QStringList &log() const { return m_log; }

    // Short, as QtTest cuts long failure messages; printHistory() gives the
    // actions before it, a line each.
    QString report(int number, const QString &failure) const
    {
        return u"action %1 of seed %2: %3 (repeat with TINCT_STORM_SEED=%2 "
               "TINCT_STORM_ACTIONS=%4)"_s.arg(number)
                       .arg(m_seed)
                       .arg(failure)
                       .arg(number + 1);
    }

    void printHistory() const
    {
        qInfo("storm: seed %llu, the last %d actions:", static_cast<unsigned long long>(m_seed),
              int(m_history.size()));
        for (const QString &line : m_history)
            qInfo().noquote() << line;
    }

private:
    using Action = QString (Storm::*)(Form1 &, Expectation &);

    // The actions: each does what a user would, says what it did and sets
    // what the user should see next.
    QString clickSlider(Form1 &form, Expectation &expect);
    QString dragThumb(Form1 &form, Expectation &expect);
    QString clickAnywhere(Form1 &form, Expectation &expect);
    QString pressMoveRelease(Form1 &form, Expectation &expect);
    QString clickBackground(Form1 &form, Expectation &expect);
    QString clickText(Form1 &form, Expectation &expect);
    QString pressKey(Form1 &form, Expectation &expect);
    QString typeText(Form1 &form, Expectation &expect);
    QString paste(Form1 &form, Expectation &expect);
    QString editText(Form1 &form, Expectation &expect);
    QString help(Form1 &form, Expectation &expect);
    QString tapAlt(Form1 &form, Expectation &expect);
    QString activate(Form1 &form, Expectation &expect);
    QString closeWindow(Form1 &form, Expectation &expect);
    QString reload(Form1 &form, Expectation &expect);
    QString clickQuit(Form1 &form, Expectation &expect);
    QString withoutMainWindow(Expectation &expect);

    struct Hit
    {
        enum Kind { Background, SampleText, QuitBox, Slider, Label };
        QWidget *widget = nullptr;
        QPoint local;
        Kind kind = Background;
        int slider = -1;
    };
    static Hit hitAt(Form1 &form, QPoint onSurface);
    QPoint randomPoint(const QWidget &widget);
    QPoint randomPointOnSurface(Form1 &form);
    QString randomText(int pieces);
    void expectPick(Expectation &expect, Pick pick) const;
    void expectStep(int slider, QStyle::SubControl part);
    void expectTyped(Form1 &form, const QWidget *target, const QString &typed, bool replaceAll,
                     Expectation &expect);

    // Ends the program inside its event loop, as for a user, then starts
    // the next session.
    QString endProgram(const std::function<void()> &action);
    void start();

    QString checkDialogs(const Expectation &expect, const DialogAnswerer &answerer,
                         DialogAnswer answer, QColor choice);
    QString check(const Expectation &expect, int mainBefore, bool aboutBefore);
    QString checkMain(Form1 &form, const Expectation &expect);
    QString summary() const;

    quint64 m_seed;
    Dice m_dice;
    std::unique_ptr<Shell> m_shell;
    MainModel m_model;
    int m_nextId = 1;
    bool m_ended = false;
    QString m_failure; // seen during the action itself
    std::deque<QString> m_history;
    QStringList m_log;
};

void Storm::start()
{
    m_shell = std::make_unique<Shell>();
    Form1 &form = m_shell->form1();
    form.show();
    settle();
    // The next check holds it to a fresh model.
    form.setProperty("stormId", m_nextId);
    m_model = MainModel();
    m_model.id = m_nextId++;
}

// QTest takes a null position for the widget's centre: (0,0) is never drawn.
QPoint Storm::randomPoint(const QWidget &widget)
{
    QPoint point;
    while (point.isNull())
        point = {m_dice.below(widget.width()), m_dice.below(widget.height())};
    return point;
}

// Nor the top left corner of a control, which is (0,0) to the control.
QPoint Storm::randomPointOnSurface(Form1 &form)
{
    QPoint point;
    while (point.isNull() || hitAt(form, point).local.isNull())
        point = randomPoint(form.surface());
    return point;
}

QString Storm::randomText(int pieces)
{
    QString text;
    for (int i = 0; i < pieces; ++i)
        text += TextPieces.at(m_dice.below(int(TextPieces.size())));
    return text;
}

Storm::Hit Storm::hitAt(Form1 &form, QPoint onSurface)
{
    Surface &surface = form.surface();
    QWidget *child = surface.childAt(onSurface);
    while (child && child->parentWidget() != &surface)
        child = child->parentWidget();

    Hit hit;
    hit.widget = child ? child : &surface;
    hit.local = hit.widget->mapFrom(&surface, onSurface);
    hit.kind = !child                ? Hit::Background
            : child == &form.Text1() ? Hit::SampleText
            : child == &form.Text2() ? Hit::QuitBox
                                     : Hit::Label;
    for (qint16 i = 0; i <= 2; ++i) {
        if (child == &form.HScroll1(i)) {
            hit.kind = Hit::Slider;
            hit.slider = i;
        }
    }
    return hit;
}

void Storm::expectPick(Expectation &expect, Pick pick) const
{
    expect.dialogs.append(pick);
    expect.openWith.append(pick == Pick::Window ? m_model.window() : m_model.textColour());
}

void Storm::expectStep(int slider, QStyle::SubControl part)
{
    m_model.setSlider(slider, m_model.sliders[std::size_t(slider)] + stepOf(part));
}

// Typing or pasting replaces the selection, or goes in at the cursor.
void Storm::expectTyped(Form1 &form, const QWidget *target, const QString &typed, bool replaceAll,
                        Expectation &expect)
{
    const TextBox &box = form.Text1();
    if (target != &box)
        return;
    const QString &before = m_model.text;
    const int from = replaceAll     ? 0
            : box.hasSelectedText() ? box.selectionStart()
                                    : box.cursorPosition();
    const int length = replaceAll ? int(before.size()) : box.selectionLength();
    const QString after = before.left(from) + typed + before.mid(from + length);
    // Past the length limit the text is cut wherever it falls: not modelled.
    if (after.size() > box.maxLength())
        expect.textKnown = false;
    else
        m_model.text = after;
}

QString Storm::clickSlider(Form1 &form, Expectation &)
{
    const int index = m_dice.below(3);
    HScrollBar &bar = form.HScroll1(qint16(index));
    const QPoint point = randomPoint(bar);
    const QStyle::SubControl part = partAt(bar, point);
    expectStep(index, part);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, point);
    return u"click slider %1 at %2, %3"_s.arg(index).arg(at(point), partName(part));
}

QString Storm::dragThumb(Form1 &form, Expectation &expect)
{
    const int index = m_dice.below(3);
    HScrollBar &bar = form.HScroll1(qint16(index));
    const QLabel &label = form.Label1(qint16(index));
    const int before = bar.value();
    const ColorValue colour = form.backColor();

    const QPoint thumb = subControlCenter(bar, QStyle::SC_ScrollBarSlider);
    QPoint point = thumb;
    QTest::mousePress(&bar, Qt::LeftButton, {}, point);
    const int moves = m_dice.between(1, 4);
    for (int i = 0; i < moves; ++i) {
        const QPoint from = point;
        while (point == from || point.isNull())
            point = from + QPoint(m_dice.between(-40, 40), m_dice.between(-8, 8));
        QTest::mouseMove(&bar, point);
    }
    // Tracking is off: nothing is committed while the thumb is held.
    if (bar.value() != before || label.text() != QString::number(before)
        || form.backColor() != colour)
        m_failure = u"slider %1 committed %2 during a drag (label %3, window %4)"_s.arg(index)
                            .arg(bar.value())
                            .arg(label.text(), hex(form.backColor()));
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, point);
    if (bar.value() != bar.sliderPosition() && m_failure.isEmpty())
        m_failure = u"slider %1 released at %2 but holds %3"_s.arg(index)
                            .arg(bar.sliderPosition())
                            .arg(bar.value());

    const int dx = point.x() - thumb.x();
    expect.sliderKnown[std::size_t(index)] = false;
    expect.direction[std::size_t(index)] = (dx > 0) - (dx < 0);
    return u"drag thumb of slider %1 by %2 px in %3 moves"_s.arg(index).arg(dx).arg(moves);
}

QString Storm::clickAnywhere(Form1 &form, Expectation &expect)
{
    const QPoint onSurface = randomPointOnSurface(form);
    const Hit hit = hitAt(form, onSurface);
    const int roll = m_dice.below(100);
    const Qt::MouseButton button = roll < 80 ? Qt::LeftButton
            : roll < 92                      ? Qt::RightButton
                                             : Qt::MiddleButton;
    const QString line
            = u"%1click at %2 on %3"_s.arg(button == Qt::LeftButton            ? QString()
                                                   : button == Qt::RightButton ? u"right-"_s
                                                                               : u"middle-"_s,
                                           at(onSurface), nameOf(hit.widget));

    const QPointer<QWidget> target = hit.widget;
    const auto click = [target, button, hit] { QTest::mouseClick(target, button, {}, hit.local); };
    if (button == Qt::LeftButton) {
        switch (hit.kind) {
        case Hit::Background:
            expectPick(expect, Pick::Window);
            break;
        case Hit::SampleText:
            expectPick(expect, Pick::Text);
            break;
        case Hit::QuitBox:
            return line + u": "_s + endProgram(click);
        case Hit::Slider:
            expectStep(hit.slider, partAt(form.HScroll1(qint16(hit.slider)), hit.local));
            break;
        case Hit::Label:
            break;
        }
    } else if (button == Qt::MiddleButton && hit.kind == Hit::Slider) {
        // The middle button puts the thumb where it is pressed.
        const int step = stepOf(partAt(form.HScroll1(qint16(hit.slider)), hit.local));
        expect.sliderKnown[std::size_t(hit.slider)] = false;
        expect.direction[std::size_t(hit.slider)] = (step > 0) - (step < 0);
    } else if (button == Qt::MiddleButton && hit.kind == Hit::SampleText) {
        expect.textKnown = false; // pastes the selection, where the platform has one
    }
    click();
    return line;
}

QString Storm::pressMoveRelease(Form1 &form, Expectation &expect)
{
    Surface &surface = form.surface();
    // Often from the sample text: dragging across it selects, and opens
    // nothing unless released inside it.
    const QPoint from = m_dice.percent(30)
            ? form.Text1().geometry().topLeft() + randomPoint(form.Text1())
            : randomPointOnSurface(form);
    const Hit hit = hitAt(form, from);
    QPoint to;
    while (to.isNull() || hit.widget->mapFrom(&surface, to).isNull()
           || hit.widget->mapFrom(&surface, (from + to) / 2).isNull())
        to = randomPoint(surface);
    const QPoint releaseAt = hit.widget->mapFrom(&surface, to);
    const bool releasedInside = hit.widget->rect().contains(releaseAt);

    const QPointer<QWidget> target = hit.widget;
    const QPoint pressAt = hit.local;
    const QPoint middle = hit.widget->mapFrom(&surface, (from + to) / 2);
    const auto gesture = [target, pressAt, middle, releaseAt] {
        QTest::mousePress(target, Qt::LeftButton, {}, pressAt);
        QTest::mouseMove(target, middle);
        QTest::mouseMove(target, releaseAt);
        QTest::mouseRelease(target, Qt::LeftButton, {}, releaseAt);
    };
    const QString line
            = u"press at %1 on %2, release at %3"_s.arg(at(from), nameOf(hit.widget), at(to));
    switch (hit.kind) {
    case Hit::Background:
        // A click only if pressed and released on the bare background.
        if (hitAt(form, to).kind == Hit::Background)
            expectPick(expect, Pick::Window);
        break;
    case Hit::SampleText:
        if (releasedInside)
            expectPick(expect, Pick::Text);
        break;
    case Hit::QuitBox:
        if (releasedInside)
            return line + u": "_s + endProgram(gesture);
        break;
    case Hit::Slider:
        if (const auto part = partAt(form.HScroll1(qint16(hit.slider)), pressAt);
            part == QStyle::SC_ScrollBarSlider) {
            expect.sliderKnown[std::size_t(hit.slider)] = false;
            expect.direction[std::size_t(hit.slider)] = (to.x() > from.x()) - (to.x() < from.x());
        } else {
            expectStep(hit.slider, part); // acts on the press, once
        }
        break;
    case Hit::Label:
        break;
    }
    gesture();
    return line;
}

QString Storm::clickBackground(Form1 &form, Expectation &expect)
{
    QPoint point;
    do
        point = randomPointOnSurface(form);
    while (form.surface().childAt(point));
    expectPick(expect, Pick::Window);
    QTest::mouseClick(&form.surface(), Qt::LeftButton, {}, point);
    return u"click background at %1"_s.arg(at(point));
}

QString Storm::clickText(Form1 &form, Expectation &expect)
{
    const QPoint point = randomPoint(form.Text1());
    expectPick(expect, Pick::Text);
    QTest::mouseClick(&form.Text1(), Qt::LeftButton, {}, point);
    return u"click sample text at %1"_s.arg(at(point));
}

QString Storm::pressKey(Form1 &form, Expectation &expect)
{
    struct Key
    {
        Qt::Key key;
        const char *name;
        int step; // on a slider
        int to; // on a slider, where it goes; -1 nowhere in particular
    };
    static const Key keys[] = {
            {Qt::Key_Left, "Left", -5, -1},
            {Qt::Key_Right, "Right", 5, -1},
            {Qt::Key_Up, "Up", 5, -1},
            {Qt::Key_Down, "Down", -5, -1},
            {Qt::Key_PageUp, "PageUp", 50, -1},
            {Qt::Key_PageDown, "PageDown", -50, -1},
            {Qt::Key_Home, "Home", 0, 0},
            {Qt::Key_End, "End", 0, 255},
            {Qt::Key_Tab, "Tab", 0, -1},
            {Qt::Key_Backtab, "Backtab", 0, -1},
            {Qt::Key_Backspace, "Backspace", 0, -1},
            {Qt::Key_Delete, "Delete", 0, -1},
            {Qt::Key_Return, "Return", 0, -1},
            {Qt::Key_Escape, "Escape", 0, -1},
            {Qt::Key_Space, "Space", 0, -1},
    };
    const Key &key = keys[m_dice.below(int(std::size(keys)))];
    QWidget *target = keyTarget();
    for (qint16 i = 0; i <= 2; ++i) {
        if (target == &form.HScroll1(i))
            m_model.setSlider(i, key.to >= 0 ? key.to : m_model.sliders[std::size_t(i)] + key.step);
    }
    if (key.key == Qt::Key_Space)
        expectTyped(form, target, u" "_s, false, expect);
    else if (target == &form.Text1() && (key.key == Qt::Key_Backspace || key.key == Qt::Key_Delete))
        expect.textKnown = false;
    QTest::keyClick(target, key.key);
    return u"key %1 to %2"_s.arg(QLatin1StringView(key.name), nameOf(target));
}

QString Storm::typeText(Form1 &form, Expectation &expect)
{
    QWidget *target = keyTarget();
    const QString typed = randomText(m_dice.between(1, 8));
    expectTyped(form, target, typed, false, expect);
    // One key event per character, as a keyboard or input method sends them.
    for (qsizetype i = 0; i < typed.size();) {
        const QString character = typed.mid(i, typed.at(i).isHighSurrogate() ? 2 : 1);
        const char16_t code = character.at(0).unicode();
        const auto key = code >= u'a' && code <= u'z' ? Qt::Key(Qt::Key_A + (code - u'a'))
                : code < 0x80                         ? Qt::Key(code)
                                                      : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Press, target, key, character, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, target, key, character, Qt::NoModifier);
        i += character.size();
    }
    return u"type \"%1\" to %2"_s.arg(typed, nameOf(target));
}

QString Storm::paste(Form1 &form, Expectation &expect)
{
    const int size = m_dice.below(3);
    const QString clip = size == 0 ? randomText(m_dice.between(1, 20))
            : size == 1            ? randomText(10000)
                                   : u"Grün ✓ 色 🙂"_s;
    QGuiApplication::clipboard()->setText(clip);

    const int where = m_dice.below(3);
    QWidget *target = where == 0 ? &form.Text2() : where == 1 ? keyTarget() : &form.Text1();
    const bool replaceAll = m_dice.percent(50);
    expectTyped(form, target, clip, replaceAll, expect);
    if (replaceAll)
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    return u"paste %1 chars%2 into %3"_s.arg(clip.size())
            .arg(replaceAll ? u" over everything"_s : QString(), nameOf(target));
}

QString Storm::editText(Form1 &form, Expectation &expect)
{
    TextBox &box = form.Text1();
    switch (m_dice.below(3)) {
    case 0:
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_Delete);
        m_model.text.clear();
        return u"select all and delete in sample text"_s;
    case 1: {
        const QString selected = box.selectedText();
        expectTyped(form, &box, QString(), false, expect);
        QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
        if (!selected.isEmpty() && QGuiApplication::clipboard()->text() != selected)
            m_failure = u"cut text did not reach the clipboard"_s;
        return u"cut %1 chars from sample text"_s.arg(selected.size());
    }
    default:
        expect.textKnown = false;
        QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
        return u"undo in sample text"_s;
    }
}

QString Storm::help(Form1 &form, Expectation &expect)
{
    expect.showsAbout = true;
    switch (m_dice.below(3)) {
    case 0:
        form.help().trigger();
        return u"Help (menu action)"_s;
    case 1: {
        // A shortcut works in the active window: the user brings the main
        // window forward first.
        const bool wasActive = QApplication::activeWindow() == &form;
        if (!wasActive) {
            form.activateWindow();
            settle();
        }
        QTest::keyClick(keyTarget(), Qt::Key_H, Qt::AltModifier);
        return wasActive ? u"Help (Alt+H)"_s : u"activate main window, Help (Alt+H)"_s;
    }
    default: {
        QMenuBar &bar = *form.menuBar();
        QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.actionGeometry(&form.help()).center());
        return u"Help (menu bar click)"_s;
    }
    }
}

QString Storm::tapAlt(Form1 &, Expectation &)
{
    // Alone, Alt hands the keys to the menu bar.
    QWidget *target = keyTarget();
    QTest::keyClick(target, Qt::Key_Alt);
    return u"tap Alt in %1"_s.arg(nameOf(target));
}

QString Storm::activate(Form1 &form, Expectation &)
{
    About *about = shownAbout();
    QWidget *window = about && m_dice.percent(50) ? static_cast<QWidget *>(about) : &form;
    window->activateWindow();
    return u"activate %1"_s.arg(nameOf(window));
}

QString Storm::closeWindow(Form1 &form, Expectation &expect)
{
    About *about = shownAbout();
    const QPointer<QWidget> window
            = about && m_dice.percent(50) ? static_cast<QWidget *>(about) : &form;
    const QString line = u"close %1"_s.arg(nameOf(window));
    if (!about)
        return line + u", the last window: "_s + endProgram([window] { window->close(); });

    // About's activation may bring a closed main window back, fresh.
    expect.mayCloseMain = expect.mayLoadMain = window == &form;
    expect.mayCloseAbout = window == about;
    window->close();
    settle();
    if (window)
        m_failure = u"the closed %1 was not unloaded"_s.arg(nameOf(window));
    return line;
}

QString Storm::reload(Form1 &, Expectation &)
{
    m_shell->form1().show();
    return u"show main window through the shell"_s;
}

QString Storm::clickQuit(Form1 &form, Expectation &)
{
    const QPoint point = randomPoint(form.Text2());
    const QPointer<TextBox> quit = &form.Text2();
    return u"click Quit box at %1: "_s.arg(at(point))
            + endProgram([quit, point] { QTest::mouseClick(quit, Qt::LeftButton, {}, point); });
}

// Only the About window is left: bring the main window back, or close
// About, which ends the program.
QString Storm::withoutMainWindow(Expectation &expect)
{
    About *about = shownAbout();
    expect.mayLoadMain = true;
    const int roll = m_dice.below(10);
    if (roll < 5) {
        about->activateWindow();
        return u"activate About"_s;
    }
    if (roll < 9) {
        m_shell->form1().show();
        return u"show main window through the shell"_s;
    }
    const QPointer<About> window = about;
    return u"close About, the last window: "_s + endProgram([window] { window->close(); });
}

QString Storm::endProgram(const std::function<void()> &action)
{
    QTimer::singleShot(0, qApp, action);
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    timeout.start(5000);
    const int status = QApplication::exec();
    m_ended = true;

    if (status != 0)
        m_failure = u"the program did not end (status %1)"_s.arg(status);
    else if (shownForm1() || shownAbout())
        m_failure = u"a window is still shown after the program ended"_s;
    if (!m_failure.isEmpty())
        return u"program did not end"_s;

    m_shell.reset();
    start();
    return u"program ended; started again"_s;
}

QString Storm::checkDialogs(const Expectation &expect, const DialogAnswerer &answerer,
                            DialogAnswer answer, QColor choice)
{
    const auto &openings = answerer.openings();
    if (openings.size() != expect.dialogs.size())
        return u"expected %1 colour dialog(s), %2 came up"_s.arg(expect.dialogs.size())
                .arg(openings.size());
    for (qsizetype i = 0; i < openings.size(); ++i) {
        const DialogAnswerer::Opening &opening = openings.at(i);
        const bool window = expect.dialogs.at(i) == Pick::Window;
        if (!opening.closedByAnswer)
            return u"the colour dialog stayed open after %1"_s.arg(
                    QLatin1StringView(describe(answer)));
        if (!qobject_cast<Form1 *>(opening.owner))
            return u"the colour dialog does not belong to the main window"_s;
        if (opening.openedWith != expect.openWith.at(i))
            return u"the %1 colour dialog opened with %2 instead of %3"_s.arg(
                    window ? u"window"_s : u"text"_s, hex(opening.openedWith),
                    hex(expect.openWith.at(i)));
        // Return presses whichever button is the default at the time, not
        // necessarily OK; every other answer has one outcome.
        if (answer != DialogAnswer::ReturnKey && opening.accepted != keepsColour(answer))
            return u"the colour dialog answered with %1 ended %2"_s.arg(
                    QLatin1StringView(describe(answer)),
                    opening.accepted ? u"accepted"_s : u"cancelled"_s);
        if (!opening.accepted)
            continue;
        const ColorValue chosen = toColorValue(choice);
        if (window) {
            for (int c = 0; c < 3; ++c)
                m_model.setSlider(c, (chosen >> (8 * c)) & 0xFF);
        } else {
            m_model.handPicked = chosen;
        }
    }
    return {};
}

QString Storm::check(const Expectation &expect, int mainBefore, bool aboutBefore)
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return u"a modal %1 is still open"_s.arg(nameOf(modal));
    if (!shown<QColorDialog>().isEmpty())
        return u"a colour dialog is still shown"_s;
    if (Shell::isEnding())
        return u"the program is ending but its windows live on"_s;
    if (shown<Form1>().size() > 1 || shown<About>().size() > 1)
        return u"%1 main windows and %2 About windows are shown"_s.arg(shown<Form1>().size())
                .arg(shown<About>().size());

    Form1 *form = shownForm1();
    About *about = shownAbout();
    if (!form && !about)
        return u"no window is shown, yet the program goes on"_s;
    if (mainBefore && !form && !expect.mayCloseMain)
        return u"the main window went away"_s;
    if (aboutBefore && !about && !expect.mayCloseAbout)
        return u"the About window went away"_s;
    if (expect.showsAbout && !about)
        return u"Help did not show the About window"_s;
    if (about) {
        // Printed once, at the first activation of each About window.
        const int lines = 6 * QFontMetrics(about->surface().font()).height();
        if (about->surface().currentY() != lines)
            return u"About printed down to %1 px, the instructions take %2 px"_s
                    .arg(about->surface().currentY())
                    .arg(lines);
    }
    if (!form) {
        m_model.id = 0;
        return {};
    }
    return checkMain(*form, expect);
}

QString Storm::checkMain(Form1 &form, const Expectation &expect)
{
    if (const QVariant id = form.property("stormId"); !id.isValid()) {
        // A main window loaded anew starts as the program does.
        if (!expect.mayLoadMain)
            return m_model.id ? u"the main window was replaced by a new one"_s
                              : u"a main window appeared"_s;
        form.setProperty("stormId", m_nextId);
        m_model = MainModel();
        m_model.id = m_nextId++;
    } else if (id.toInt() != m_model.id) {
        return u"main window #%1 is back after #%2"_s.arg(id.toInt()).arg(m_model.id);
    }

    static const ColorValue captionColours[] = {0x000000FF, 0x0000FF00, 0x00FF8080};
    for (qint16 i = 0; i <= 2; ++i) {
        const HScrollBar &bar = form.HScroll1(i);
        const int value = bar.value();
        const int modelled = m_model.sliders[std::size_t(i)];
        const int direction = expect.direction[std::size_t(i)];
        if (value < 0 || value > 255 || bar.minimum() != 0 || bar.maximum() != 255
            || bar.singleStep() != 5 || bar.pageStep() != 50)
            return u"slider %1 holds %2 in %3..%4, steps %5/%6"_s.arg(i)
                    .arg(value)
                    .arg(bar.minimum())
                    .arg(bar.maximum())
                    .arg(bar.singleStep())
                    .arg(bar.pageStep());
        if (expect.sliderKnown[std::size_t(i)] && value != modelled)
            return u"slider %1 holds %2, expected %3"_s.arg(i).arg(value).arg(modelled);
        if ((direction > 0 && value < modelled) || (direction < 0 && value > modelled))
            return u"slider %1 went from %2 to %3, against the pointer"_s.arg(i).arg(modelled).arg(
                    value);
        m_model.setSlider(i, value);
        if (form.Label1(i).text() != QString::number(value))
            return u"label %1 shows \"%2\" for %3"_s.arg(i).arg(form.Label1(i).text()).arg(value);
        if (backColor(form.Label1(i)) != captionColours[i])
            return u"label %1 is coloured %2"_s.arg(i).arg(hex(backColor(form.Label1(i))));
    }

    const ColorValue window = m_model.window();
    const std::pair<QString, ColorValue> colours[] = {
            {u"window"_s, form.backColor()},
            {u"sample text background"_s, backColor(form.Text1())},
            {u"instruction label background"_s, backColor(form.Label2())},
            {u"Quit box background"_s, backColor(form.Text2())},
    };
    for (const auto &[name, colour] : colours) {
        if (colour != window)
            return u"%1 is %2, the sliders make %3"_s.arg(name, hex(colour), hex(window));
    }
    if (foreColor(form.Text1()) != m_model.textColour())
        return u"sample text is drawn in %1, expected %2 (%3)"_s.arg(
                hex(foreColor(form.Text1())), hex(m_model.textColour()),
                m_model.handPicked ? u"picked by hand"_s : u"the window's complement"_s);

    if (form.Text2().text() != u"Quit")
        return u"the Quit box now says \"%1\""_s.arg(form.Text2().text().left(40));
    if (!expect.textKnown)
        m_model.text = form.Text1().text();
    if (form.Text1().text() != m_model.text)
        return u"sample text is \"%1\" (%2 chars), expected \"%3\" (%4 chars)"_s
                .arg(form.Text1().text().left(40))
                .arg(form.Text1().text().size())
                .arg(m_model.text.left(40))
                .arg(m_model.text.size());
    if (&m_shell->form1() != &form)
        return u"the shell does not know the shown main window"_s;
    return {};
}

// What the user sees after an action, for the history.
QString Storm::summary() const
{
    const QString about = shownAbout() ? u", About shown"_s : QString();
    const Form1 *form = shownForm1();
    if (!form)
        return u"[main window closed%1]"_s.arg(about);
    return u"[main #%1 %2/%3/%4 window %5 text %6, %7 chars%8]"_s
            .arg(form->property("stormId").toInt())
            .arg(form->HScroll1(0).value())
            .arg(form->HScroll1(1).value())
            .arg(form->HScroll1(2).value())
            .arg(hex(form->backColor()), hex(foreColor(form->Text1())))
            .arg(form->Text1().text().size())
            .arg(about);
}

QString Storm::step(int number)
{
    static const std::pair<int, Action> actions[] = {
            {14, &Storm::clickSlider},
            {5, &Storm::dragThumb},
            {14, &Storm::clickAnywhere},
            {5, &Storm::pressMoveRelease},
            {5, &Storm::clickBackground},
            {5, &Storm::clickText},
            {12, &Storm::pressKey},
            {8, &Storm::typeText},
            {4, &Storm::paste},
            {3, &Storm::editText},
            {6, &Storm::help},
            {1, &Storm::tapAlt},
            {4, &Storm::activate},
            {4, &Storm::closeWindow},
            {2, &Storm::reload},
            {1, &Storm::clickQuit},
    };
    static const int totalWeight = [] {
        int total = 0;
        for (const auto &action : actions)
            total += action.first;
        return total;
    }();

    Form1 *form = shownForm1();
    const int mainBefore = form ? m_model.id : 0;
    const bool aboutBefore = shownAbout() != nullptr;

    // Drawn for every action, used or not, so that whether a dialog came up
    // does not shift what follows.
    const auto answer = DialogAnswer(m_dice.below(DialogAnswerCount));
    ColorValue choice = m_model.window(); // the same colour: no slider moves
    if (const int roll = m_dice.below(5); roll == 1) {
        const int c = m_dice.below(3); // one channel changed
        choice = (choice & ~(0xFF << (8 * c))) | (m_dice.below(256) << (8 * c));
    } else if (roll > 1) {
        choice = m_dice.below(0x1000000);
    }
    DialogAnswerer answerer(answer, toQColor(choice));
    answerer.onOtherModal = [this, number](QWidget *modal) {
        // Most likely the program's error report, which ends the process
        // when closed: say where the run was first.
        printHistory();
        qCritical().noquote() << report(
                number,
                u"a %1 came up: %2"_s.arg(nameOf(modal), modal->property("text").toString()));
        modal->close();
    };

    Expectation expect;
    m_failure.clear();
    m_ended = false;
    QString line;
    if (!form) {
        line = withoutMainWindow(expect);
    } else {
        int roll = m_dice.below(totalWeight);
        for (const auto &[weight, action] : actions) {
            if (roll < weight) {
                line = (this->*action)(*form, expect);
                break;
            }
            roll -= weight;
        }
    }
    if (m_ended) {
        // The run goes on in the next session of the program.
        expect = Expectation();
        expect.mayLoadMain = true;
    }
    settle();

    QString failure = m_failure;
    if (failure.isEmpty())
        failure = checkDialogs(expect, answerer, answer, toQColor(choice));
    if (failure.isEmpty())
        failure = check(expect, m_ended ? 0 : mainBefore, !m_ended && aboutBefore);

    const QString dialogs = answerer.openings().isEmpty()
            ? QString()
            : u" {%1 dialog(s): %2 %3}"_s.arg(answerer.openings().size())
                      .arg(QLatin1StringView(describe(answer)), hex(choice));
    m_history.push_back(u"#%1 %2%3 %4"_s.arg(number).arg(line, dialogs, summary()));
    if (m_history.size() > HistoryLength)
        m_history.pop_front();
    m_log.append(m_history.back());
    return failure;
}

} // namespace

class tst_Storm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void randomActions();
    void sameSeedSameRun();
};

void tst_Storm::initTestCase()
{
    s_previousHandler = qInstallMessageHandler(quietHandler);
}

void tst_Storm::cleanupTestCase()
{
    qInstallMessageHandler(s_previousHandler);
}

void tst_Storm::randomActions()
{
    const StormSettings settings = settingsFromEnvironment();
    QVERIFY2(settings.error.isEmpty(), qPrintable(settings.error));
    qInfo("storm: seed %llu, %d actions (repeat with TINCT_STORM_SEED=%llu)",
          static_cast<unsigned long long>(settings.seed), settings.actions,
          static_cast<unsigned long long>(settings.seed));

    Storm storm(settings.seed);
    for (int number = 0; number < settings.actions; ++number) {
        const QString failure = storm.step(number);
        if (!failure.isEmpty())
            storm.printHistory();
        QVERIFY2(failure.isEmpty(), qPrintable(storm.report(number, failure)));
    }
}

// A printed seed is only worth something if it replays the same run.
void tst_Storm::sameSeedSameRun()
{
    constexpr int Actions = 300;
    QStringList logs[2];
    for (QStringList &log : logs) {
        Storm storm(7);
        for (int number = 0; number < Actions; ++number) {
            const QString failure = storm.step(number);
            if (!failure.isEmpty())
                storm.printHistory();
            QVERIFY2(failure.isEmpty(), qPrintable(storm.report(number, failure)));
        }
        log = storm.log();
    }
    QCOMPARE(logs[1], logs[0]);
}

QTEST_MAIN(tst_Storm)
#include "tst_storm.moc"
